#include "ui/lang/LanguageSelection.h"

#include "core/lang/LanguageChoice.h"
#include "core/lang/LanguageSettings.h"
#include "core/lang/QtTranslations.h"
#include "core/lang/Texts.h"
#include "ui/common/MessageBox.h"
#include "ui/lang/LanguageDialog.h"

#include <QAction>

namespace varnox {
namespace {

class DialogPrompt final : public LanguagePrompt {
public:
    explicit DialogPrompt(QWidget* parent) : m_parent(parent) {}

    bool ask(LanguageDialogState& state) override
    {
        if (MessageBox::unattended())  // nobody to choose: the stored language holds
            return false;
        LanguageDialog dialog(state, m_parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        state = dialog.state();
        return true;
    }

private:
    QWidget* m_parent;
};

}  // namespace

void chooseLanguageAtStart()
{
    InitTexts();
    followLanguageWithQtTexts();
    ShowDialog(true);
}

bool ShowDialog(bool atStartup, QWidget* parent)
{
    DialogPrompt prompt(parent);
    return chooseLanguage(atStartup, prompt);
}

void bindLanguageMenuItem(QAction* sprache)
{
    sprache->setCheckable(true);
    showLanguageMenuCheck(sprache);
    QObject::connect(sprache, &QAction::triggered, sprache, [](bool checked) {
        if (!LanguageSettings::writeShowDialog(checked))
            qWarning("The language dialog setting could not be saved in %s", qPrintable(LanguageSettings::path()));
    });
}

void showLanguageMenuCheck(QAction* sprache) { sprache->setChecked(LanguageSettings::read().showDialog); }

}  // namespace varnox
