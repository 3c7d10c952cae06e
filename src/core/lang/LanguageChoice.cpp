#include "core/lang/LanguageChoice.h"

#include "core/lang/LanguageNames.h"
#include "core/lang/LanguageSettings.h"
#include "core/lang/Texts.h"

#include <QDebug>

namespace varnox {
namespace {

LanguageDialogState dialogState(bool showAtStart)
{
    LanguageDialogState state;
    for (int id : supportedLanguages())
        state.offers.append({id, NativeLanguageName(id)});
    state.selectedLanguage = currentLanguage();
    state.showAtStart = showAtStart;
    return state;
}

void save(bool showAtStart)
{
    if (!LanguageSettings::write({currentLanguage(), LanguageName(currentLanguage()), showAtStart}))
        qWarning("The language choice could not be saved in %s", qPrintable(LanguageSettings::path()));
}

}  // namespace

void useStoredLanguage()
{
    InitTexts();
    const LanguageSettings stored = LanguageSettings::read();
    SetLanguage(stored.langId, stored.langName);
}

bool chooseLanguage(bool atStartup, LanguagePrompt& prompt)
{
    InitTexts();
    const LanguageSettings stored = LanguageSettings::read();
    if (atStartup) {
        SetLanguage(stored.langId, stored.langName);
        if (!isSupportedLanguage(stored.langId))
            save(stored.showDialog);
    }
    if (atStartup && !stored.showDialog)
        return false;
    LanguageDialogState state = dialogState(stored.showDialog);
    bool showAtStart = stored.showDialog;
    if (prompt.ask(state)) {
        showAtStart = state.showAtStart;
        SetLanguage(state.selectedLanguage, LanguageName(state.selectedLanguage));
    }
    save(showAtStart);
    return true;
}

}  // namespace varnox
