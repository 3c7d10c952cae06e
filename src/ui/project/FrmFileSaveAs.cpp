#include "ui/project/FrmFileSaveAs.h"

#include "core/lang/Texts.h"
#include "core/project/ProjectOpener.h"
#include "ui/common/Captions.h"
#include "ui/project/NameDialogStep.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

FrmFileSaveAs::FrmFileSaveAs(ProjectCreator& creator, QWidget* parent)
    : QDialog(parent)
    , m_creator(creator)
    , m_filesLabel(new QLabel(this))
    , m_files(new QListWidget(this))
    , m_nameLabel(new QLabel(this))
    , m_name(new QLineEdit(this))
    , m_save(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("FrmFileSaveAs"));
    m_files->setObjectName(QStringLiteral("FileSaveAs"));
    m_name->setObjectName(QStringLiteral("TxtFileSaveAs"));
    m_save->setObjectName(QStringLiteral("CmdFileSaveAsS"));
    m_cancel->setObjectName(QStringLiteral("CmdFileSaveAsA"));
    m_nameLabel->setBuddy(m_name);
    m_save->setDefault(true);
    m_files->addItems(ProjectOpener::projectFiles());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filesLabel);
    layout->addWidget(m_files);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_name);
    layout->addLayout(buttons);
    resize(400, 360);

    connect(m_files, &QListWidget::currentTextChanged, m_name, &QLineEdit::setText);
    connect(m_save, &QPushButton::clicked, this, &FrmFileSaveAs::save);
    connect(m_cancel, &QPushButton::clicked, this, &FrmFileSaveAs::reject);
    loadCaptions(this, [this] {
        setCaption(this, GetText(255, "Projekt speichern unter"));
        setCaption(m_filesLabel, GetText(2211, "Vorhandene Projekte:"));
        setCaption(m_nameLabel, GetText(2216, "Neuer Name der Projektdatei:"));
        setCaption(m_save, GetText(10, "Speichern"));
        setCaption(m_cancel, GetText(11, "Abbrechen"));
    });
}

void FrmFileSaveAs::save() { followStep(this, m_name, m_creator.SaveAs(m_name->text())); }

}  // namespace varnox
