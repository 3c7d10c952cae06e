#include "ui/pages/readers/ReadersPage.h"

#include "core/model/BusLineList.h"
#include "core/model/ReaderOperations.h"
#include "core/model/ReaderQueries.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/readers/ReaderSettingsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace varnox {

ReadersPage::ReadersPage(AppServices& services, QWidget* parent)
    : Page(services, parent)
{
    setObjectName(QStringLiteral("PageLeser"));
    buildControls();
    buildLayout();
    loadCaptions(this, [this] { loadTexts(); });

    connect(m_type, &QComboBox::currentIndexChanged, this, &ReadersPage::typeChosen);
    connect(m_busLine, &QComboBox::currentIndexChanged, this, &ReadersPage::busLineChosen);
    connect(m_modes, &QButtonGroup::buttonToggled, this, [this] { showModeFields(); });
    connect(m_newSerialCheck, &QCheckBox::toggled, this, [this] { updateLocks(); });
    connect(m_buttons->neu, &QPushButton::clicked, this, [this] { clearPage(); });
    connect(m_buttons->add, &QPushButton::clicked, this, &ReadersPage::add);
    connect(m_buttons->change, &QPushButton::clicked, this, &ReadersPage::applyChanges);
    connect(m_buttons->remove, &QPushButton::clicked, this, &ReadersPage::removeReader);
    connect(m_settingsButton, &QPushButton::clicked, this, &ReadersPage::openSettings);
    // Names may repeat; an item stands for its reader's serial number.
    const auto load = [this](QListWidgetItem* item) { loadReader(item->data(Qt::UserRole).toString()); };
    connect(m_list, &QListWidget::itemClicked, this, load);
    connect(m_list, &QListWidget::itemActivated, this, load);
    clearPage();
}

void ReadersPage::pageShown()
{
    clearPage();
    reloadList();
}

QString ReadersPage::projectPath() const { return workCopyPath(services().session.workCopyName); }

void ReadersPage::clearPage()
{
    m_state = State::New;
    m_serial.clear();
    m_settings = ReaderSettings();
    {
        const QSignalBlocker typeBlock(m_type);
        const QSignalBlocker busBlock(m_busLine);
        m_type->setCurrentIndex(-1);
        m_busLine->setCurrentIndex(-1);
    }
    m_name->clear();
    m_serialEdit->clear();
    m_newSerialCheck->setChecked(false);
    m_newSerial->clear();
    m_address->clear();
    m_function->setCurrentIndex(-1);
    m_timeRecording->setCurrentIndex(0);
    m_noMode->setChecked(true);
    m_list->clearSelection();
    updateLocks();
    showModeFields();
}

void ReadersPage::reloadList()
{
    beginListLoad();
    QList<ReaderListEntry> entries;
    const Outcome outcome = services().session.workCopyName.isEmpty() ? Outcome::ok() : ReaderQueries(projectPath()).list(entries);
    PageLayout::fillList<ReaderListEntry>(
        m_list, m_count, entries,
        [](const ReaderListEntry& entry) {
            auto* item = new QListWidgetItem(entry.name);
            item->setData(Qt::UserRole, entry.serial);
            if (!entry.central)
                item->setForeground(QColor(255, 0, 0));
            return item;
        },
        [this](int row, int rows) { listLoadStep(row, rows); });
    endListLoad();
    MessageBox::showOutcome(this, outcome);
}

void ReadersPage::loadReader(const QString& serial)
{
    Reader r;
    if (!MessageBox::showOutcome(this, ReaderQueries(projectPath()).load(serial, r)))
        return;
    m_state = State::Edit;
    m_serial = r.serial;
    {
        const QSignalBlocker typeBlock(m_type);
        const QSignalBlocker busBlock(m_busLine);
        m_type->setCurrentIndex(r.type >= 0 && r.type < kReaderTypeCount ? r.type : -1);
        m_busLine->setCurrentIndex(BusLineList::positionOf(r.busLine));
    }
    m_name->setText(r.name);
    m_serialEdit->setText(r.serial);
    m_newSerialCheck->setChecked(false);
    m_newSerial->clear();
    fillAddresses(r.busLine, r.address);
    m_address->setCurrentIndex(m_address->findData(r.address));
    if (r.central) {
        m_central->setChecked(true);
        m_function->setCurrentIndex(-1);
        m_timeRecording->setCurrentIndex(r.timeRecording >= 0 && r.timeRecording < m_timeRecording->count() ? r.timeRecording : 0);
    } else {
        m_decentral->setChecked(true);
        m_function->setCurrentIndex(r.function >= 1 && r.function <= m_function->count() ? r.function - 1 : -1);
    }
    m_settings = r.settings;
    updateLocks();
    showModeFields();
}

void ReadersPage::showModeFields()
{
    const bool central = m_central->isChecked();
    const bool decentral = m_decentral->isChecked();
    m_functionLabel->setVisible(decentral);
    m_function->setVisible(decentral);
    m_timeLabel->setVisible(central);
    m_timeRecording->setVisible(central);
}

// Everything that may be edited follows from the page state, the check box
// "Neue Seriennummer" and the reader type.
void ReadersPage::updateLocks()
{
    const bool edit = m_state == State::Edit;
    const bool serialOnly = edit && m_newSerialCheck->isChecked();
    const bool mifare = m_type->currentIndex() == int(ReaderType::Mifare);
    m_type->setEnabled(!edit);
    m_busLine->setEnabled(!edit);
    m_serialEdit->setReadOnly(edit);
    m_newSerialCheck->setVisible(edit);
    m_newSerial->setVisible(edit);
    m_newSerial->setEnabled(serialOnly);
    for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_address, m_function, m_timeRecording, m_settingsButton})
        w->setEnabled(!serialOnly);
    m_modeFrame->setEnabled(!serialOnly && !mifare);
    const bool addressShown = edit || m_busLine->currentIndex() >= 0;
    m_addressLabel->setVisible(addressShown);
    m_address->setVisible(addressShown);
    m_buttons->setEditing(edit);
}

void ReadersPage::fillAddresses(int busLine, int ownAddress)
{
    QList<int> free;
    m_address->clear();
    if (!MessageBox::showOutcome(this, ReaderQueries(projectPath()).freeAddresses(busLine, ownAddress, free)))
        return;
    for (const int address : free)
        m_address->addItem(QString::number(address), address);
    m_address->setCurrentIndex(-1);
}

void ReadersPage::busLineChosen(int position)
{
    if (position >= 0)
        fillAddresses(BusLineList::lineAt(position), -1);
    updateLocks();
}

void ReadersPage::typeChosen(int position)
{
    if (position == int(ReaderType::Mifare))
        m_central->setChecked(true);
    updateLocks();
}

ReaderForm ReadersPage::form() const
{
    ReaderForm f;
    f.type = m_type->currentIndex();
    f.name = m_name->text();
    f.serial = m_serialEdit->text();
    f.busPosition = m_busLine->currentIndex();
    f.address = m_address->currentIndex() >= 0 ? m_address->currentData().toInt() : -1;
    f.mode = m_central->isChecked() ? ReaderMode::Central : m_decentral->isChecked() ? ReaderMode::Decentral : ReaderMode::None;
    f.function = m_function->currentIndex();
    f.timeRecording = qMax(0, m_timeRecording->currentIndex());
    f.settings = m_settings;
    return f;
}

void ReadersPage::add() { afterWrite(ReaderOperations(projectPath()).create(form())); }

void ReadersPage::applyChanges()
{
    const ReaderOperations operations(projectPath());
    if (m_newSerialCheck->isChecked()) {
        afterWrite(operations.changeSerial(m_serial, m_newSerial->text()));
        return;
    }
    std::optional<Message> question;
    if (!MessageBox::showOutcome(this, operations.questionBeforeChange(m_serial, form(), question)))
        return;
    if (question && MessageBox::show(this, *question, Buttons::YesNo) != Answer::Yes)
        return;
    afterWrite(operations.change(m_serial, form()));
}

void ReadersPage::removeReader() { afterWrite(ReaderOperations(projectPath()).remove(m_serial)); }

void ReadersPage::openSettings()
{
    ReaderSettingsDialog dialog(m_settings, this);
    dialog.exec();
}

void ReadersPage::afterWrite(const Outcome& outcome)
{
    if (!MessageBox::showOutcome(this, outcome))
        return;
    emit projectChanged();
    reloadList();
    clearPage();
}

}  // namespace varnox
