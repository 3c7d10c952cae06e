#pragma once

#include <QList>
#include <QString>

namespace varnox {

constexpr int kGerman = 1031;
constexpr int kEnglish = 1033;
constexpr int kFrench = 1036;

// The interface text of `number` in the current language; the German entry
// when that language has none; empty when German has none either.
// `germanSource` is the German wording at the call site; the lookup never
// reads it, the catalogue test compares it with the German catalogue.
QString GetText(int number, const char* germanSource);

// Binds the catalogues once per process; the language starts as German.
void InitTexts();

int currentLanguage();
// One of the three, else German; announces a change to every open window.
void setCurrentLanguage(int languageId);

// The languages that have a catalogue of their own, in the order the
// language dialog offers them.
const QList<int>& supportedLanguages();
bool isSupportedLanguage(int languageId);

// Makes `languageId` the current language when it is one of the supported
// three, else German. The name is carried along as callers have it; the
// choice goes by identifier alone.
void SetLanguage(int languageId, const QString& languageName);

}  // namespace varnox
