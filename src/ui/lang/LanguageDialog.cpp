#include "ui/lang/LanguageDialog.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

LanguageDialog::LanguageDialog(const LanguageDialogState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_languages(new QListWidget(this))
    , m_showAtStart(new QCheckBox(this))
    , m_ok(new QPushButton(this))
{
    setObjectName(QStringLiteral("FrmSprache"));
    m_languages->setObjectName(QStringLiteral("LstSprache"));
    m_showAtStart->setObjectName(QStringLiteral("CheckSprache"));
    m_ok->setObjectName(QStringLiteral("CmdSpracheOK"));

    for (const LanguageOffer& offer : state.offers) {
        auto* item = new QListWidgetItem(offer.nativeName, m_languages);
        item->setData(Qt::UserRole, offer.languageId);
        if (offer.languageId == state.selectedLanguage)
            m_languages->setCurrentItem(item);
    }
    m_showAtStart->setChecked(state.showAtStart);
    m_ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_languages);
    layout->addWidget(m_showAtStart);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_languages, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    loadCaptions(this, [this] { loadTexts(); });
}

void LanguageDialog::loadTexts()
{
    setCaption(this, GetText(946, "Sprache auswählen"));
    setCaption(m_showAtStart, GetText(947, "Dialog anzeigen bei Programmstart"));
    setCaption(m_ok, GetText(58, "OK"));
}

LanguageDialogState LanguageDialog::state() const
{
    LanguageDialogState chosen = m_state;
    if (const QListWidgetItem* item = m_languages->currentItem())
        chosen.selectedLanguage = item->data(Qt::UserRole).toInt();
    chosen.showAtStart = m_showAtStart->isChecked();
    return chosen;
}

}  // namespace varnox
