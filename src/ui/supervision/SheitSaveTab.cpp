#include "ui/supervision/SheitSaveTab.h"

#include "core/lang/Texts.h"
#include "core/project/SaveState.h"
#include "core/supervision/Supervision.h"
#include "core/supervision/SupervisionForms.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/supervision/SupervisionWidgets.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

using namespace SupervisionWidgets;

SheitSaveTab::SheitSaveTab(QString workCopy, Supervision& supervision, QWidget* parent)
    : QWidget(parent)
    , m_workCopy(std::move(workCopy))
    , m_supervision(supervision)
    , m_frame(new QGroupBox(this))
    , m_on(checkBox("CheckDblSave"))
    , m_folderLabel(new QLabel)
    , m_folder(edit(SupervisionField::saveFolder))
    , m_choose(button("CmdDblSavePath"))
    , m_save(button("CmdSheitDblSave"))
{
    m_folder->setMaxLength(255); // Einstellungen.Funktion
    auto* grid = new QGridLayout(m_frame);
    grid->addWidget(m_on, 0, 0, 1, 3);
    addRow(grid, m_folderLabel, m_folder, m_choose);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(m_choose, &QPushButton::clicked, this, &SheitSaveTab::chooseFolder);
    connect(m_save, &QPushButton::clicked, this, &SheitSaveTab::save);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
}

void SheitSaveTab::loadCaptions()
{
    setCaption(m_frame, GetText(3753, "Zusätzliche Speicherung"));
    setCaption(m_on, GetText(3754, "Aktiv"));
    setCaption(m_folderLabel, GetText(3755, "Ort der zusätzlichen Speicherung:"));
    setCaption(m_choose, GetText(3756, "..."));
    setCaption(m_save, GetText(10, "Speichern"));
}

void SheitSaveTab::showStored()
{
    SupervisionSettings stored;
    readSupervisionSettings(m_workCopy, stored);
    m_on->setChecked(stored.additionalSave.on);
    m_folder->setText(stored.additionalSave.text);
}

void SheitSaveTab::chooseFolder()
{
    const QString current = m_folder->text();
    QFileDialog dialog(this, GetText(3757, "Bitte wählen Sie einen bestimmten Ordner aus!"),
        !current.isEmpty() && QDir(current).exists() ? current : QString());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_folder->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

void SheitSaveTab::save()
{
    if (!MessageBox::showOutcome(this, saveAdditionalSaveTab(m_workCopy, { m_on->isChecked(), m_folder->text() })))
        return;
    SetSaved(false);
    m_supervision.additionalSaveTabSaved();
}

} // namespace varnox
