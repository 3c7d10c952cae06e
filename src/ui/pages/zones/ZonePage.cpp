#include "ui/pages/zones/ZonePage.h"

#include "core/lang/Texts.h"
#include "core/model/ZoneOperations.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/zones/ZoneWeekGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

ZonePage::ZonePage(AppServices& services, QWidget* parent)
    : Page(services, parent)
    , m_buttons(this, QStringLiteral("Zeit"))
    , m_title(PageLayout::title(this))
    , m_listLabel(new QLabel(this))
    , m_zoneList(new QComboBox(this))
    , m_nameLabel(new QLabel(this))
    , m_name(new QLineEdit(this))
    , m_nameHint(new QLabel(this))
    , m_weekBox(new QGroupBox(this))
    , m_week(new ZoneWeekGrid(m_weekBox))
    , m_weekHint(new QLabel(this))
{
    m_zoneList->setObjectName(QStringLiteral("CmbZeit"));
    m_zoneList->setMinimumWidth(220);
    m_name->setObjectName(QStringLiteral("TxtZeitBez"));
    m_name->setMaxLength(50);
    m_name->setMinimumWidth(220);
    m_weekHint->setWordWrap(true);
    buildLayout();
    varnox::loadCaptions(this, [this] { loadCaptions(); });

    connect(m_buttons.neu, &QPushButton::clicked, this, &ZonePage::newZone);
    connect(m_buttons.add, &QPushButton::clicked, this, &ZonePage::addZone);
    connect(m_buttons.change, &QPushButton::clicked, this, &ZonePage::changeZone);
    connect(m_buttons.remove, &QPushButton::clicked, this, &ZonePage::removeZone);
    connect(m_zoneList, &QComboBox::activated, this, &ZonePage::zoneChosen);
    newZone();
}

void ZonePage::buildLayout()
{
    auto* form = new QVBoxLayout;
    form->addWidget(m_nameLabel);
    form->addWidget(m_name);
    form->addWidget(m_nameHint);
    form->addStretch();

    auto* week = new QVBoxLayout(m_weekBox);
    week->addWidget(m_week);

    QVBoxLayout* page
        = PageLayout::stack(this, {m_title}, m_buttons.row(form, PageLayout::listColumn(m_listLabel, m_zoneList), 0), 0);
    page->addSpacing(8);
    page->addWidget(m_weekBox);
    page->addWidget(m_weekHint);
    page->addStretch();
}

void ZonePage::loadCaptions()
{
    setCaption(m_title, GetText(155, "Verwaltung der Zeitzonen"));
    setCaption(m_listLabel, GetText(690, "Liste der vorhandenen Zeitzonen:"));
    setCaption(m_nameLabel, GetText(3003, "Bezeichnung:"));
    setCaption(m_nameHint, GetText(3004, "(max. 50 Zeichen)"));
    setCaption(m_weekBox, GetText(3007, "Zeiträume der Zeitzone"));
    setCaption(m_weekHint, GetText(3008, "Ein Zeitraum gilt von seiner Anfangszeit bis vor seine Endzeit; 24:00 steht für das Ende des Tages."));
    m_buttons.loadCaptions();
    varnox::setToolTip(m_buttons.neu, GetText(239, "Erstellen einer neuen Zeitzone"));
    m_week->loadCaptions();
}

QString ZonePage::workCopy() const { return workCopyPath(services().session.workCopyName); }

void ZonePage::fillForProject()
{
    emit statusText(GetText(159, "Daten laden:"));
    emit progress(0, kZoneLists);
    m_week->fillTimes([this](int list) { emit progress(list + 1, kZoneLists); });
    emit progress(0, 0);
    emit statusText(QString());
    reloadZoneList();
    newZone();
}

void ZonePage::pageShown()
{
    if (m_filledFor != services().session.workCopyName)
        fillForProject();
}

void ZonePage::reloadZoneList()
{
    QStringList names;
    const Outcome read = readPageZoneNames(workCopy(), names);
    m_zoneList->clear();
    m_zoneList->addItems(names);
    m_zoneList->setCurrentIndex(-1);
    m_filledFor = services().session.workCopyName;
    MessageBox::showOutcome(this, read);
}

void ZonePage::newZone()
{
    m_zoneList->setCurrentIndex(-1);
    m_chosen.clear();
    m_name->clear();
    m_week->clear();
    m_buttons.setEditing(false);
    m_name->setFocus();
}

void ZonePage::zoneChosen(int index)
{
    if (index < 0)
        return;
    showZone(m_zoneList->itemText(index));
}

void ZonePage::showZone(const QString& name)
{
    ZoneForm form;
    if (!MessageBox::showOutcome(this, loadZone(workCopy(), name, form)))
        return;
    m_chosen = form.name;
    m_zoneList->setCurrentIndex(m_zoneList->findText(form.name));
    m_name->setText(form.name);
    m_week->setForm(form);
    m_buttons.setEditing(true);
}

void ZonePage::addZone()
{
    ZoneForm form = m_week->form();
    form.name = m_name->text();
    afterWrite(MessageBox::showOutcome(this, createZone(workCopy(), form)));
}

void ZonePage::changeZone()
{
    ZoneForm form = m_week->form();
    form.name = m_name->text();
    afterWrite(MessageBox::showOutcome(this, varnox::changeZone(workCopy(), m_chosen, form)));
}

void ZonePage::removeZone()
{
    afterWrite(MessageBox::showOutcome(this, deleteZone(workCopy(), m_chosen)));
}

void ZonePage::afterWrite(bool ok)
{
    if (!ok)
        return;
    emit projectChanged();
    reloadZoneList();
    newZone();
}

}  // namespace varnox
