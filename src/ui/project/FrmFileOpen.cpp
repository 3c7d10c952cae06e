#include "ui/project/FrmFileOpen.h"

#include "core/lang/Texts.h"
#include "core/project/ProjectOpener.h"
#include "ui/common/Captions.h"
#include "ui/project/FrmNewFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

FrmFileOpen::FrmFileOpen(ProjectOpener& opener, ProjectCreator& creator, bool newProjectAllowed, QWidget* parent)
    : QDialog(parent)
    , m_opener(opener)
    , m_creator(creator)
    , m_label(new QLabel(this))
    , m_files(new QListWidget(this))
    , m_open(new QPushButton(this))
    , m_new(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("FrmFileOpen"));
    m_files->setObjectName(QStringLiteral("FileOpen"));
    m_open->setObjectName(QStringLiteral("CmdFileOpenO"));
    m_new->setObjectName(QStringLiteral("CmdFileOpenN"));
    m_cancel->setObjectName(QStringLiteral("CmdFileOpenA"));
    m_label->setBuddy(m_files);
    m_open->setDefault(true);
    m_new->setEnabled(newProjectAllowed);
    m_files->addItems(ProjectOpener::projectFiles());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_new);
    buttons->addStretch();
    buttons->addWidget(m_open);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_files);
    layout->addLayout(buttons);
    resize(400, 360);

    connect(m_open, &QPushButton::clicked, this, &FrmFileOpen::open);
    connect(m_files, &QListWidget::itemDoubleClicked, this, &FrmFileOpen::open);
    connect(m_new, &QPushButton::clicked, this, &FrmFileOpen::newProject);
    connect(m_cancel, &QPushButton::clicked, this, &FrmFileOpen::reject);
    loadCaptions(this, [this] {
        setCaption(this, GetText(2210, "Projekt öffnen"));
        setCaption(m_label, GetText(2211, "Vorhandene Projekte:"));
        setCaption(m_open, GetText(2212, "Öffnen"));
        setCaption(m_new, GetText(2213, "Neues Projekt"));
        setCaption(m_cancel, GetText(11, "Abbrechen"));
    });
}

void FrmFileOpen::open()
{
    const QListWidgetItem* item = m_files->currentItem();
    if (m_opener.OpenSelected(item && item->isSelected() ? item->text() : QString()))
        done(Accepted);
}

void FrmFileOpen::newProject()
{
    FrmNewFile dialog(m_creator, false, this);
    if (dialog.exec() == Accepted)
        done(Accepted);
}

void FrmFileOpen::reject()
{
    if (m_opener.cancelProjectDialog())
        QDialog::reject();
}

}  // namespace varnox
