#include "ui/supervision/SheitBusTab.h"

#include "core/lang/Texts.h"
#include "core/project/SaveState.h"
#include "core/supervision/Supervision.h"
#include "core/supervision/SupervisionForms.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/supervision/SupervisionWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

using namespace SupervisionWidgets;

SheitBusTab::SheitBusTab(QString workCopy, Supervision& supervision, QWidget* parent)
    : QWidget(parent)
    , m_workCopy(std::move(workCopy))
    , m_supervision(supervision)
    , m_test(makeFeature("CheckAT", SupervisionField::testInterval, SupervisionField::testFunction))
    , m_watchdog(makeFeature("CheckWD", SupervisionField::watchdogInterval, SupervisionField::watchdogFunction))
    , m_save(button("CmdSheitSave"))
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_test.frame);
    layout->addWidget(m_watchdog.frame);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, &SheitBusTab::save);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
}

SheitBusTab::Feature SheitBusTab::makeFeature(const char* check, const char* interval, const char* function)
{
    Feature f { new QGroupBox(this), checkBox(check), new QLabel, combo(interval), new QLabel, combo(function) };
    auto* grid = new QGridLayout(f.frame);
    grid->addWidget(f.on, 0, 0, 1, 2);
    addRow(grid, f.intervalLabel, f.interval);
    addRow(grid, f.functionLabel, f.function);
    grid->setColumnStretch(1, 1);
    return f;
}

void SheitBusTab::loadCaptions()
{
    setCaption(m_test.frame, GetText(3711, "Anlagentest"));
    setCaption(m_test.on, GetText(3712, "Anlagentest aktiviert"));
    setCaption(m_test.intervalLabel, GetText(3713, "Zeitintervall in Sekunden:"));
    varnox::setToolTip(m_test.interval, GetText(3714, "Zeit zwischen dem Test von zwei Lesern"));
    setCaption(m_test.functionLabel, GetText(3715, "Im Fehlerfall auszuführende Funktion:"));
    setCaption(m_watchdog.frame, GetText(3716, "Watchdog"));
    setCaption(m_watchdog.on, GetText(3717, "Watchdog aktiviert"));
    setCaption(m_watchdog.intervalLabel, GetText(3713, "Zeitintervall in Sekunden:"));
    setCaption(m_watchdog.functionLabel, GetText(3718, "auszuführende Funktion:"));
    setCaption(m_save, GetText(10, "Speichern"));
}

void SheitBusTab::showStored()
{
    SupervisionSettings stored;
    readSupervisionSettings(m_workCopy, stored);
    const QStringList functions = functionNames(m_workCopy);
    const std::pair<Feature*, const SettingRow*> features[]
        = { { &m_test, &stored.systemTest }, { &m_watchdog, &stored.watchdog } };
    for (const auto& [f, row] : features) {
        fillNumbers(f->interval, busIntervalChoices());
        fillNames(f->function, functions);
        showNumber(f->interval, row->interval);
        showName(f->function, row->text);
        f->on->setChecked(row->on);
    }
    for (const Message& warning : busTabWarnings(stored, functions))
        MessageBox::show(this, warning);
}

void SheitBusTab::save()
{
    const auto form = [](const Feature& f) {
        return BusFeatureForm { f.on->isChecked(), chosenNumber(f.interval), chosenName(f.function) };
    };
    if (!MessageBox::showOutcome(this, saveBusTab(m_workCopy, { form(m_test), form(m_watchdog) })))
        return;
    SetSaved(false);
    m_supervision.busTabSaved();
}

} // namespace varnox
