#include "ui/pages/readers/ReaderSettingsDialog.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/common/ComboTexts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnox {

ReaderSettingsDialog::ReaderSettingsDialog(ReaderSettings& working, QWidget* parent)
    : QDialog(parent)
    , m_working(working)
    , m_grid(new QGridLayout)
{
    setObjectName(QStringLiteral("FrmLesEin"));
    setModal(true);
    m_grid->setHorizontalSpacing(16);
    m_grid->setVerticalSpacing(10);
    m_relayLabel = new QLabel(this);
    m_relayTime = new QComboBox(this);
    m_relayTime->setObjectName(QStringLiteral("CmbLesRSZ"));
    m_relayLabel->setBuddy(m_relayTime);
    m_seconds = new QLabel(this);
    m_grid->addWidget(m_relayLabel, 0, 0);
    m_grid->addWidget(m_relayTime, 0, 1);
    m_grid->addWidget(m_seconds, 0, 2);
    m_progSp = addSwitch("ProgSp", 1);
    m_toe = addSwitch("TOE", 2);
    m_akustik = addSwitch("Akustik", 3);

    m_standard = new QPushButton(this);
    m_standard->setObjectName(QStringLiteral("CmdLesEinStandard"));
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("CmdLesEinSpeichern"));
    m_save->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CmdLesEinAbbrechen"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_standard);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(m_standard, &QPushButton::clicked, this, [this] {
        m_working = ReaderSettings();
        showValues(m_working);
    });
    connect(m_save, &QPushButton::clicked, this, &ReaderSettingsDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    loadCaptions(this, [this] { loadTexts(); });
    showValues(m_working);
}

ReaderSettingsDialog::Switch ReaderSettingsDialog::addSwitch(const char* name, int row)
{
    Switch s{new QLabel(this), new QRadioButton(this), new QRadioButton(this)};
    s.on->setObjectName(QStringLiteral("Opt%1Ein").arg(QLatin1String(name)));
    s.off->setObjectName(QStringLiteral("Opt%1Aus").arg(QLatin1String(name)));
    auto* group = new QButtonGroup(this);
    group->addButton(s.on);
    group->addButton(s.off);
    m_grid->addWidget(s.label, row, 0);
    m_grid->addWidget(s.on, row, 1);
    m_grid->addWidget(s.off, row, 2);
    return s;
}

void ReaderSettingsDialog::loadTexts()
{
    setCaption(this, GetText(48, "Erweiterte Einstellungen des Lesers"));
    setCaption(m_relayLabel, GetText(55, "Relaisschaltzeit"));
    setCaption(m_seconds, GetText(56, "Sekunde(n)"));
    setCaption(m_progSp.label, GetText(54, "Programmiersperre"));
    setCaption(m_toe.label, GetText(50, "Relais schalten bei Türöffnersignal"));
    setCaption(m_akustik.label, GetText(53, "Akustische Signalisierung"));
    for (const Switch* s : {&m_progSp, &m_toe, &m_akustik}) {
        setCaption(s->on, GetText(52, "Ein"));
        setCaption(s->off, GetText(51, "Aus"));
    }
    setCaption(m_standard, GetText(49, "Standard"));
    setCaption(m_save, GetText(10, "Speichern"));
    setCaption(m_cancel, GetText(11, "Abbrechen"));
    QStringList times{GetText(263, "deaktiviert")};
    for (int s = 1; s <= ReaderSettings::kMaxRelayTime; ++s)
        times << QString::number(s);
    const int current = m_relayTime->currentIndex();
    setComboTexts(m_relayTime, times);
    m_relayTime->setCurrentIndex(current);
}

void ReaderSettingsDialog::showValues(const ReaderSettings& settings)
{
    m_relayTime->setCurrentIndex(qBound(0, settings.rsz, ReaderSettings::kMaxRelayTime));
    (settings.progSp ? m_progSp.on : m_progSp.off)->setChecked(true);
    (settings.toe ? m_toe.on : m_toe.off)->setChecked(true);
    (settings.akustik ? m_akustik.on : m_akustik.off)->setChecked(true);
}

void ReaderSettingsDialog::save()
{
    m_working.rsz = m_relayTime->currentIndex();
    m_working.progSp = m_progSp.on->isChecked();
    m_working.toe = m_toe.on->isChecked();
    m_working.akustik = m_akustik.on->isChecked();
    accept();
}

}  // namespace varnox
