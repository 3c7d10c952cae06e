#include "ui/pages/profiles/ProfilePage.h"

#include "core/lang/Texts.h"
#include "core/model/ProfileOperations.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

ProfilePage::ProfilePage(AppServices& services, QWidget* parent)
    : Page(services, parent)
    , m_buttons(this, QStringLiteral("Zutr1"))
    , m_title(PageLayout::title(this))
    , m_nameLabel(new QLabel(this))
    , m_name(new QLineEdit(this))
    , m_nameHint(new QLabel(this))
    , m_listLabel(new QLabel(this))
    , m_list(new QListWidget(this))
    , m_testLabel(new QLabel(this))
    , m_testCount(new QLineEdit(this))
    , m_testButton(new QPushButton(this))
{
    m_name->setObjectName(QStringLiteral("TxtZutr1Bez"));
    m_name->setMaxLength(50);
    m_name->setMinimumWidth(240);
    m_list->setObjectName(QStringLiteral("ListViewZutr1"));
    m_list->setMinimumSize(260, 280);
    m_testCount->setObjectName(QStringLiteral("TxtZutr1Test"));
    m_testCount->setValidator(new QIntValidator(1, kMaxTestProfiles, m_testCount));
    m_testCount->setMaximumWidth(80);
    m_testButton->setObjectName(QStringLiteral("CmdZutr1Test"));
    buildLayout();
    varnox::loadCaptions(this, [this] { loadCaptions(); });

    connect(m_buttons.neu, &QPushButton::clicked, this, &ProfilePage::clearForm);
    connect(m_buttons.add, &QPushButton::clicked, this,
            [this] { afterWrite(createProfile(workCopy(), m_name->text())); });
    connect(m_buttons.change, &QPushButton::clicked, this,
            [this] { afterWrite(renameProfile(workCopy(), m_selected, m_name->text())); });
    connect(m_buttons.remove, &QPushButton::clicked, this,
            [this] { afterWrite(deleteProfile(workCopy(), m_selected)); });
    connect(m_list, &QListWidget::itemClicked, this, &ProfilePage::profileClicked);
    connect(m_testButton, &QPushButton::clicked, this, &ProfilePage::createTestProfiles);
    clearForm();
}

void ProfilePage::buildLayout()
{
    auto* form = new QVBoxLayout;
    form->addWidget(m_nameLabel);
    form->addWidget(m_name);
    form->addWidget(m_nameHint);
    form->addStretch();
    auto* test = new QHBoxLayout;
    test->addWidget(m_testLabel);
    test->addWidget(m_testCount);
    test->addWidget(m_testButton);
    test->addStretch();
    form->addLayout(test);

    PageLayout::stack(this, {m_title}, m_buttons.row(form, PageLayout::listColumn(m_listLabel, m_list), 1));
}

void ProfilePage::loadCaptions()
{
    setCaption(m_title, GetText(116, "Verwaltung der Zutrittsprofile"));
    setCaption(m_nameLabel, GetText(3003, "Bezeichnung:"));
    setCaption(m_nameHint, GetText(3004, "(max. 50 Zeichen)"));
    setCaption(m_listLabel, GetText(3062, "Liste der vorhandenen Zutrittsprofile:"));
    setCaption(m_testLabel, GetText(3063, "Testprofile erstellen, Anzahl:"));
    setCaption(m_testButton, GetText(3064, "Go!"));
    m_buttons.loadCaptions();
}

QString ProfilePage::workCopy() const { return workCopyPath(services().session.workCopyName); }

void ProfilePage::pageShown()
{
    if (services().session.workCopyName.isEmpty())
        return;  // no project open: nothing to list
    reloadList();
    clearForm();
}

void ProfilePage::reloadList()
{
    beginListLoad();
    QStringList names;
    const Outcome read = readProfileNames(workCopy(), names);
    PageLayout::fillList<QString>(
        m_list, nullptr, names, [](const QString& name) { return new QListWidgetItem(name); },
        [this](int row, int rows) { listLoadStep(row, rows); });
    endListLoad();
    MessageBox::showOutcome(this, read);
}

void ProfilePage::clearForm()
{
    m_selected.clear();
    m_name->clear();
    m_list->clearSelection();
    m_buttons.setEditing(false);
    m_name->setFocus();
}

void ProfilePage::profileClicked(QListWidgetItem* item)
{
    m_selected = item->text();
    m_name->setText(m_selected);
    m_buttons.setEditing(true);
}

void ProfilePage::afterWrite(const Outcome& outcome)
{
    if (!MessageBox::showOutcome(this, outcome))
        return;
    emit projectChanged();
    reloadList();
    clearForm();
}

void ProfilePage::createTestProfiles()
{
    const int count = m_testCount->text().toInt();
    if (count < 1)
        return;
    afterWrite(varnox::createTestProfiles(workCopy(), count));
}

}  // namespace varnox
