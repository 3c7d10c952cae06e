#include "ui/project/FrmNewFile.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/project/NameDialogStep.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

FrmNewFile::FrmNewFile(ProjectCreator& creator, bool atStart, QWidget* parent)
    : QDialog(parent)
    , m_creator(creator)
    , m_atStart(atStart)
    , m_label(new QLabel(this))
    , m_name(new QLineEdit(this))
    , m_create(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("FrmNewFile"));
    m_label->setObjectName(QStringLiteral("LblNewFile"));
    m_name->setObjectName(QStringLiteral("TxtNewFile"));
    m_create->setObjectName(QStringLiteral("CmdNewFileS"));
    m_cancel->setObjectName(QStringLiteral("CmdNewFileC"));
    m_label->setBuddy(m_name);
    m_create->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_create);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_name);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(m_create, &QPushButton::clicked, this, &FrmNewFile::create);
    connect(m_cancel, &QPushButton::clicked, this, &FrmNewFile::reject);
    loadCaptions(this, [this] {
        setCaption(this, GetText(2213, "Neues Projekt"));
        setCaption(m_label, GetText(2214, "Name des neuen Projekts:"));
        setCaption(m_create, GetText(2215, "Erstellen"));
        setCaption(m_cancel, GetText(11, "Abbrechen"));
    });
}

void FrmNewFile::create() { followStep(this, m_name, m_creator.CreateProject(m_name->text(), m_atStart)); }

void FrmNewFile::reject()
{
    if (m_creator.cancelNewProject(m_atStart))
        QDialog::reject();
}

}  // namespace varnox
