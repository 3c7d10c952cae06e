#include "ui/supervision/SheitNetworkTab.h"

#include "core/lang/Texts.h"
#include "core/project/SaveState.h"
#include "core/supervision/Supervision.h"
#include "core/supervision/SupervisionForms.h"
#include "ui/common/Captions.h"
#include "ui/common/InputFilter.h"
#include "ui/common/MessageBox.h"
#include "ui/supervision/SupervisionWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

using namespace SupervisionWidgets;

namespace {

constexpr int kTextColumnSize = 255; // Einstellungen.Funktion

} // namespace

SheitNetworkTab::SheitNetworkTab(QString workCopy, Supervision& supervision, QWidget* parent)
    : QWidget(parent)
    , m_workCopy(std::move(workCopy))
    , m_supervision(supervision)
    , m_frame(new QGroupBox(this))
    , m_on(checkBox("CheckWDoNW"))
    , m_addressLabel(new QLabel)
    , m_address(edit("txtIPAddress"))
    , m_delayLabel(new QLabel)
    , m_delay(combo(SupervisionField::networkDelay))
    , m_seconds(new QLabel)
    , m_reports(new QGroupBox(this))
    , m_sendFunction(checkBox("CheckWDoNWMsgBus"))
    , m_functionLabel(new QLabel)
    , m_function(combo(SupervisionField::networkFunction))
    , m_showText(checkBox("CheckWDoNWMsgBox"))
    , m_textLabel(new QLabel)
    , m_text(edit(SupervisionField::networkText))
    , m_save(button("CmdSheitoNWSave"))
{
    acceptOnly(m_address, QStringLiteral("0-9.,"));
    m_text->setMaxLength(kTextColumnSize);

    auto* watch = new QGridLayout(m_frame);
    watch->addWidget(m_on, 0, 0, 1, 3);
    addRow(watch, m_addressLabel, m_address);
    addRow(watch, m_delayLabel, m_delay, m_seconds);
    watch->setColumnStretch(1, 1);
    auto* reports = new QGridLayout(m_reports);
    reports->addWidget(m_sendFunction, 0, 0, 1, 2);
    addRow(reports, m_functionLabel, m_function);
    reports->addWidget(m_showText, reports->rowCount(), 0, 1, 2);
    addRow(reports, m_textLabel, m_text);
    reports->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addWidget(m_reports);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_address, &QLineEdit::returnPressed, this, &SheitNetworkTab::checkAddress);
    connect(m_save, &QPushButton::clicked, this, &SheitNetworkTab::save);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
}

void SheitNetworkTab::loadCaptions()
{
    setCaption(m_frame, GetText(3710, "Watchdog über TCP/IP"));
    setCaption(m_on, GetText(3733, "aktiviert Watchdog über Netzwerk"));
    setCaption(m_addressLabel, GetText(3734, "IP-Adresse des Sicherungs-PC:"));
    setCaption(m_delayLabel, GetText(3735, "Wartezeit bis Fehlermeldung:"));
    setCaption(m_seconds, GetText(3736, "Sekunden"));
    setCaption(m_reports, GetText(3737, "Auszuführende Fehlermeldungen"));
    setCaption(m_sendFunction, GetText(3738, "Funktion auf HLV:BUS ausführen"));
    setCaption(m_functionLabel, GetText(3718, "auszuführende Funktion:"));
    setCaption(m_showText, GetText(3739, "Meldung auf Bildschirm anzeigen"));
    setCaption(m_textLabel, GetText(3740, "Text der Meldung:"));
    setCaption(m_save, GetText(10, "Speichern"));
}

void SheitNetworkTab::showStored()
{
    SupervisionSettings stored;
    readSupervisionSettings(m_workCopy, stored);
    const QStringList functions = functionNames(m_workCopy);
    fillNumbers(m_delay, networkDelayChoices());
    fillNames(m_function, functions);
    m_on->setChecked(stored.networkWatchdog.on);
    showNumber(m_delay, stored.networkWatchdog.interval);
    m_sendFunction->setChecked(stored.errorBus.on);
    showName(m_function, stored.errorBus.text);
    m_showText->setChecked(stored.errorText.on);
    m_text->setText(stored.errorText.text);
    for (const Message& warning : networkTabWarnings(stored, functions))
        MessageBox::show(this, warning);
}

void SheitNetworkTab::checkAddress()
{
    if (const std::optional<QString> address = checkIpAddress(m_address->text())) {
        m_address->setText(*address);
        MessageBox::show(this, ipAddressConfirmation(*address));
        return;
    }
    QApplication::beep();
    m_address->selectAll();
}

void SheitNetworkTab::save()
{
    const NetworkTabForm form { m_on->isChecked(), chosenNumber(m_delay), m_sendFunction->isChecked(),
        chosenName(m_function), m_showText->isChecked(), m_text->text() };
    if (!MessageBox::showOutcome(this, saveNetworkTab(m_workCopy, form)))
        return;
    SetSaved(false);
    m_supervision.networkTabSaved();
}

} // namespace varnox
