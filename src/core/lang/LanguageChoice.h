#pragma once

#include <QList>
#include <QString>

namespace varnox {

struct LanguageOffer {
    int languageId;
    QString nativeName;
};

// What the language dialog shows and, after OK, what the operator chose.
struct LanguageDialogState {
    QList<LanguageOffer> offers;  // the supported languages, in their fixed order
    int selectedLanguage = 0;
    bool showAtStart = true;
};

// The dialog as the choice sees it: shows `state` modally and returns true
// when the operator confirmed, with `state` holding the choice; false when
// the dialog was closed otherwise.
class LanguagePrompt {
public:
    virtual ~LanguagePrompt() = default;
    virtual bool ask(LanguageDialogState& state) = 0;
};

// The language choice. At start-up the stored language is applied first; the
// dialog then comes up when the operator wants it at every start, and always
// when asked for later. Whatever the dialog showed is saved afterwards.
// A stored language the program cannot offer yields German and is saved back
// as German at once, shown or not, so the settings file never keeps it.
// Returns whether the dialog was shown.
bool chooseLanguage(bool atStartup, LanguagePrompt& prompt);

// The stored language, applied without a dialog and without writing
// anything: for what the program says before its windows start.
void useStoredLanguage();

}  // namespace varnox
