#pragma once

#include <QLocale>
#include <QString>

namespace varnox {

// The German name of a language by its identifier, as the settings store
// keeps it beside the identifier; "Invalid Language Index" for an identifier
// the program does not know.
QString LanguageName(int languageId);

// The language's own name for itself, from the platform's locale data; empty
// for an identifier the program does not know.
QString NativeLanguageName(int languageId);

// The locale an identifier stands for; the C locale when it is unknown.
QLocale localeOfLanguage(int languageId);

}  // namespace varnox
