#include "ui/supervision/FrmFernWartung.h"

#include "core/lang/Texts.h"
#include "core/project/SaveState.h"
#include "core/supervision/Supervision.h"
#include "core/supervision/SupervisionForms.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/supervision/SupervisionWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace varnox {

using namespace SupervisionWidgets;

FrmFernWartung::FrmFernWartung(QString workCopy, Supervision& supervision, QWidget* parent)
    : QDialog(parent)
    , m_workCopy(std::move(workCopy))
    , m_supervision(supervision)
    , m_on(checkBox("CheckFW"))
    , m_pathLabel(new QLabel)
    , m_path(edit(SupervisionField::remotePath))
    , m_choose(button("CmdFWPath"))
    , m_intervalLabel(new QLabel)
    , m_interval(combo(SupervisionField::remoteInterval))
    , m_minutes(new QLabel)
    , m_save(button("CmdFWSave"))
    , m_cancel(button("CmdFWCancel"))
{
    setObjectName(QStringLiteral("FrmFernWartung"));
    m_path->setMaxLength(255); // Einstellungen.Funktion
    m_path->setMinimumWidth(320);
    auto* grid = new QGridLayout;
    grid->addWidget(m_on, 0, 0, 1, 3);
    addRow(grid, m_pathLabel, m_path, m_choose);
    addRow(grid, m_intervalLabel, m_interval, m_minutes);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    m_save->setDefault(true);

    connect(m_choose, &QPushButton::clicked, this, &FrmFernWartung::choosePath);
    connect(m_save, &QPushButton::clicked, this, &FrmFernWartung::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
    fillNumbers(m_interval, remoteIntervalChoices());
    // What cannot be shown is said once the window is up.
    QTimer::singleShot(0, this, &FrmFernWartung::showStored);
}

void FrmFernWartung::loadCaptions()
{
    setCaption(this, GetText(2431, "Fernwartung"));
    setCaption(m_on, GetText(3765, "Datei aktualisieren"));
    setCaption(m_pathLabel, GetText(3766, "Pfad der Datei:"));
    setCaption(m_choose, GetText(3756, "..."));
    setCaption(m_intervalLabel, GetText(3767, "Abfrageintervall:"));
    setCaption(m_minutes, GetText(3768, "Minuten"));
    setCaption(m_save, GetText(10, "Speichern"));
    setCaption(m_cancel, GetText(11, "Abbrechen"));
}

void FrmFernWartung::showStored()
{
    SupervisionSettings stored;
    readSupervisionSettings(m_workCopy, stored);
    m_on->setChecked(stored.remoteMaintenance.on);
    m_path->setText(stored.remoteMaintenance.text);
    showNumber(m_interval, stored.remoteMaintenance.interval);
    if (const std::optional<Message> warning = remoteMaintenanceWarning(stored))
        MessageBox::show(this, *warning);
}

void FrmFernWartung::choosePath()
{
    QFileDialog dialog(
        this, GetText(3769, "Referenzdatei auswählen"), QString(), GetText(3779, "Projektdateien (*.mdb)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("mdb"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_path->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

void FrmFernWartung::save()
{
    const RemoteMaintenanceForm form { m_on->isChecked(), chosenNumber(m_interval), m_path->text() };
    if (!MessageBox::showOutcome(this, saveRemoteMaintenance(m_workCopy, form)))
        return;
    SetSaved(false);
    m_supervision.remoteMaintenanceSaved();
    accept();
}

} // namespace varnox
