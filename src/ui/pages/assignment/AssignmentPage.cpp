#include "ui/pages/assignment/AssignmentPage.h"

#include "core/lang/Texts.h"
#include "core/model/ProfileOperations.h"
#include "core/model/ZoneOperations.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {
namespace {

constexpr int kFieldWidth = 260;

template <typename W>
W* field(QWidget* page, const char* name)
{
    auto* w = new W(page);
    w->setObjectName(QString::fromLatin1(name));
    w->setMinimumWidth(kFieldWidth);
    return w;
}

QLineEdit* readOnlyField(QWidget* page, const char* name)
{
    auto* edit = field<QLineEdit>(page, name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    edit->hide();
    return edit;
}

}  // namespace

AssignmentPage::AssignmentPage(AppServices& services, QWidget* parent)
    : Page(services, parent)
    , m_buttons(this, QStringLiteral("Zutr2"))
    , m_title(PageLayout::title(this))
    , m_profileLabel(new QLabel(this))
    , m_profiles(field<QComboBox>(this, "CmbZutr2Pro"))
    , m_readerLabel(new QLabel(this))
    , m_readers(field<QComboBox>(this, "CmbZutr2Les"))
    , m_zoneLabel(new QLabel(this))
    , m_zones(field<QComboBox>(this, "CmbZutr2Zeit"))
    , m_zoneText(readOnlyField(this, "TxtZutr2Zeit"))
    , m_functionLabel(new QLabel(this))
    , m_functions(field<QComboBox>(this, "CmbZutr2Fkt"))
    , m_functionText(readOnlyField(this, "TxtZutr2Fkt"))
    , m_listLabel(new QLabel(this))
    , m_assigned(field<QListWidget>(this, "ListViewZutr2"))
    , m_legend(new QLabel(this))
    , m_countLabel(new QLabel(this))
{
    m_assigned->setMinimumHeight(260);
    m_assigned->setSpacing(1);
    m_legend->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0)"));
    m_countLabel->setObjectName(QStringLiteral("LblZutr2Anzahl"));
    buildLayout();
    varnox::loadCaptions(this, [this] { loadCaptions(); });

    connect(m_profiles, &QComboBox::activated, this, &AssignmentPage::profileChosen);
    connect(m_readers, &QComboBox::activated, this, &AssignmentPage::readerChosen);
    connect(m_assigned, &QListWidget::itemClicked, this, &AssignmentPage::assignmentClicked);
    connect(m_buttons.neu, &QPushButton::clicked, this, &AssignmentPage::newAssignment);
    connect(m_buttons.add, &QPushButton::clicked, this, &AssignmentPage::addAssignment);
    connect(m_buttons.change, &QPushButton::clicked, this, &AssignmentPage::changeAssignment);
    connect(m_buttons.remove, &QPushButton::clicked, this, &AssignmentPage::removeAssignment);
    setEditing(false);
}

void AssignmentPage::buildLayout()
{
    auto* form = new QGridLayout;
    form->setVerticalSpacing(10);
    const QList<QPair<QLabel*, QList<QWidget*>>> rows = {{m_profileLabel, {m_profiles}},
                                                         {m_readerLabel, {m_readers}},
                                                         {m_zoneLabel, {m_zones, m_zoneText}},
                                                         {m_functionLabel, {m_functions, m_functionText}}};
    for (int row = 0; row < rows.size(); ++row) {
        form->addWidget(rows[row].first, row, 0);
        for (QWidget* w : rows[row].second)
            form->addWidget(w, row, 1);
    }
    form->setRowStretch(int(rows.size()), 1);

    QLayout* list = PageLayout::listColumn(m_listLabel, m_assigned, {{m_legend, nullptr, m_countLabel}});
    PageLayout::stack(this, {m_title}, m_buttons.row(form, list, 1));
}

void AssignmentPage::loadCaptions()
{
    setCaption(m_title, GetText(636, "Verwaltung der Leserzuordnung"));
    setCaption(m_profileLabel, GetText(3110, "Zutrittsprofil:"));
    setCaption(m_readerLabel, GetText(42, "Leser:"));
    setCaption(m_zoneLabel, GetText(3111, "Zeitzone:"));
    setCaption(m_functionLabel, GetText(3112, "Funktion:"));
    setCaption(m_listLabel, GetText(3113, "Liste der Leser im ausgewählten Zutrittsprofil:"));
    setCaption(m_legend, GetText(3114, "Rote Schrift: dezentraler Leser"));
    showCount();
    m_buttons.loadCaptions();
}

void AssignmentPage::showCount()
{
    m_countLabel->setText(GetText(3115, "Anzahl der Leser:") + QLatin1Char(' ') + QString::number(m_assigned->count()));
}

QString AssignmentPage::workCopy() const { return workCopyPath(services().session.workCopyName); }
QString AssignmentPage::profile() const { return m_profiles->currentIndex() < 0 ? QString() : m_profiles->currentText(); }

void AssignmentPage::pageShown()
{
    if (services().session.workCopyName.isEmpty())
        return;  // no project open: nothing to list
    const QString kept = profile();
    QStringList profiles;
    QList<ZoneChoice> zones;
    QStringList functions;
    MessageBox::showOutcome(this, readProfileNames(workCopy(), profiles))
        && MessageBox::showOutcome(this, readAssignmentZones(workCopy(), zones))
        && MessageBox::showOutcome(this, readFunctionNames(workCopy(), functions));
    m_profiles->clear();
    m_profiles->addItems(profiles);
    m_profiles->setCurrentIndex(int(profiles.indexOf(kept)));
    m_zones->clear();
    for (const ZoneChoice& zone : zones)
        m_zones->addItem(zone.text, zone.stored);
    m_functions->clear();
    m_functions->addItems(functions);
    profileChosen();
}

void AssignmentPage::profileChosen()
{
    reloadProfileReaders();
    reloadReadersOutside();
}

void AssignmentPage::reloadProfileReaders()
{
    beginListLoad();
    QList<ReaderEntry> readers;
    const Outcome read = profile().isEmpty() ? Outcome::ok() : readProfileReaders(workCopy(), profile(), readers);
    PageLayout::fillList<ReaderEntry>(
        m_assigned, nullptr, readers,
        [](const ReaderEntry& reader) {
            auto* item = new QListWidgetItem(reader.name);
            item->setData(Qt::UserRole, reader.serial);
            if (!reader.central)
                item->setForeground(QColor(255, 0, 0));
            return item;
        },
        [this](int row, int rows) { listLoadStep(row, rows); });
    endListLoad();
    showCount();
    MessageBox::showOutcome(this, read);
    m_selectedSerial.clear();
    setEditing(false);
    showChoices(true, {});
}

void AssignmentPage::reloadReadersOutside()
{
    const Outcome read = profile().isEmpty() ? Outcome::ok() : readReadersOutsideProfile(workCopy(), profile(), m_outside);
    if (profile().isEmpty())
        m_outside.clear();
    m_readers->clear();
    for (const ReaderEntry& reader : m_outside)
        m_readers->addItem(reader.name, reader.serial);
    m_readers->setCurrentIndex(-1);
    MessageBox::showOutcome(this, read);
}

void AssignmentPage::readerChosen(int index)
{
    if (index < 0 || index >= m_outside.size())
        return;
    m_assigned->clearSelection();
    m_selectedSerial.clear();
    setEditing(false);
    showChoices(m_outside[index].central, m_outside[index]);
}

// A central reader gets zone and function chosen here; a decentral one always
// opens with its own linked function, shown read-only beside "IMMER".
void AssignmentPage::showChoices(bool central, const ReaderEntry& reader)
{
    m_zones->setVisible(central);
    m_functions->setVisible(central);
    m_zoneText->setVisible(!central);
    m_functionText->setVisible(!central);
    m_zones->setCurrentIndex(-1);
    m_functions->setCurrentIndex(-1);
    m_zoneText->setText(central ? QString() : zoneDisplayText(kAlwaysZone));
    m_functionText->setText(central ? QString() : linkedFunctionText(reader.linkedFunction));
}

void AssignmentPage::assignmentClicked(QListWidgetItem* item)
{
    ReaderEntry reader;
    Assignment stored;
    if (!MessageBox::showOutcome(this, loadAssignment(workCopy(), profile(), item->data(Qt::UserRole).toString(), reader, stored)))
        return;
    m_selectedSerial = reader.serial;
    m_readers->setCurrentIndex(-1);
    showChoices(reader.central, reader);
    if (reader.central) {
        m_zones->setCurrentIndex(m_zones->findData(stored.zone, Qt::UserRole, Qt::MatchFixedString));
        m_functions->setCurrentIndex(m_functions->findText(stored.function, Qt::MatchFixedString));
    }
    setEditing(true);
}

void AssignmentPage::newAssignment()
{
    if (profile().isEmpty()) {
        MessageBox::showOutcome(this, Outcome::fail(noProfileChosenMessage()));
        return;
    }
    reloadReadersOutside();
    m_assigned->clearSelection();
    m_selectedSerial.clear();
    setEditing(false);
    showChoices(true, {});
}

Assignment AssignmentPage::pageAssignment(const QString& serial) const
{
    return Assignment{profile(), serial, m_zones->currentData().toString(), m_functions->currentText()};
}

void AssignmentPage::addAssignment()
{
    afterWrite(assignReader(workCopy(), pageAssignment(m_readers->currentData().toString())));
}

void AssignmentPage::changeAssignment()
{
    afterWrite(varnox::changeAssignment(workCopy(), pageAssignment(m_selectedSerial)));
}

void AssignmentPage::removeAssignment()
{
    afterWrite(varnox::removeAssignment(workCopy(), profile(), m_selectedSerial));
}

void AssignmentPage::afterWrite(const Outcome& outcome)
{
    if (!MessageBox::showOutcome(this, outcome))
        return;
    emit projectChanged();
    profileChosen();
}

void AssignmentPage::setEditing(bool editing)
{
    m_buttons.add->setEnabled(!editing);
    m_buttons.change->setEnabled(editing);
    m_buttons.remove->setEnabled(editing);
}

}  // namespace varnox
