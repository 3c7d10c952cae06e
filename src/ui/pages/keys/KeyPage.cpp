#include "ui/pages/keys/KeyPage.h"

#include "core/model/ProfileOperations.h"
#include "core/model/ValidityText.h"
#include "core/online/DailyProtocol.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/keys/FrmTime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace varnox {
namespace {

// Keys without a profile, while the list shows links.
const QColor kUnlinked(128, 128, 128);
const QColor kLinked(0, 0, 0);

}  // namespace

KeyPage::KeyPage(AppServices& services, QWidget* parent) : Page(services, parent), m_buttons(this, QStringLiteral("Key"))
{
    createControls();
    buildLayout();
    setTabOrder();
    varnox::loadCaptions(this, [this] { loadCaptions(); });

    connect(m_buttons.neu, &QPushButton::clicked, this, &KeyPage::newState);
    connect(m_buttons.add, &QPushButton::clicked, this, [this] { afterWrite(addKey(workCopy(), form())); });
    connect(m_buttons.change, &QPushButton::clicked, this, [this] { afterWrite(changeKey(workCopy(), form())); });
    connect(m_buttons.remove, &QPushButton::clicked, this, [this] { afterWrite(removeKey(workCopy(), m_number->text())); });
    connect(m_list, &QListWidget::itemClicked, this, &KeyPage::keyChosen);
    connect(m_list, &QListWidget::itemActivated, this, &KeyPage::keyChosen);
    connect(m_fixedPeriod, &QCheckBox::toggled, this, &KeyPage::fixedPeriodToggled);
    connect(m_editPeriod, &QPushButton::clicked, this, &KeyPage::editPeriod);
    connect(m_testButton, &QPushButton::clicked, this, &KeyPage::createTestKeys);
    connect(m_testCount, &QLineEdit::returnPressed, this, &KeyPage::createTestKeys);

    fixedPeriodToggled(false);
    m_legend->hide();
    editState(false);
    newState();
}

QString KeyPage::workCopy() const { return workCopyPath(services().session.workCopyName); }
bool KeyPage::projectOpen() const { return !services().session.workCopyName.isEmpty(); }

void KeyPage::pageShown() { newState(); }

void KeyPage::newState()
{
    m_number->setEnabled(true);
    m_number->clear();
    m_name->clear();
    m_shortName->clear();
    m_profiles->setCurrentIndex(-1);
    m_fixedPeriod->setChecked(false);
    m_dropProfile->setChecked(false);
    m_dropProfile->setEnabled(false);
    m_buttons.setEditing(false);
    reloadProfiles();
    reloadList();
    m_number->setFocus();
}

void KeyPage::editState(bool hasProfile)
{
    m_number->setEnabled(false);
    m_dropProfile->setChecked(false);
    m_dropProfile->setEnabled(hasProfile);
    m_buttons.setEditing(true);
}

void KeyPage::reloadProfiles()
{
    QStringList names;
    const Outcome read = projectOpen() ? readProfileNames(workCopy(), names) : Outcome::ok();
    m_profiles->clear();
    m_profiles->addItems(names);
    m_profiles->setCurrentIndex(-1);
    MessageBox::showOutcome(this, read);
}

void KeyPage::reloadList()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    beginListLoad();
    // The same switch that enciphers the daily protocol shows which keys
    // still lack a profile.
    const bool withLinks = services().protocol.encrypt();
    QList<KeyEntry> keys;
    const Outcome read = projectOpen() ? readKeyList(workCopy(), withLinks, keys) : Outcome::ok();
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QStringList names;
    names.reserve(keys.size());
    for (const KeyEntry& key : keys)
        names << key.name;
    m_list->addItems(names);
    const int rows = int(keys.size());
    for (int row = 0; row < rows; ++row) {
        if (withLinks)
            m_list->item(row)->setForeground(keys[row].linked ? kLinked : kUnlinked);
        listLoadStep(row + 1, rows);
    }
    m_list->setUpdatesEnabled(true);
    m_legend->setVisible(withLinks);
    showCount();
    endListLoad();
    QGuiApplication::restoreOverrideCursor();
    MessageBox::showOutcome(this, read);
}

void KeyPage::showCount() { m_count->setText(QString::number(m_list->count())); }

void KeyPage::keyChosen(QListWidgetItem* item)
{
    m_name->setText(item->text());
    std::optional<KeyRecord> key;
    if (!MessageBox::showOutcome(this, loadKey(workCopy(), item->text(), key)))
        return;
    if (key)
        showKey(*key);
    editState(key && !key->profile.isEmpty());
}

void KeyPage::showKey(const KeyRecord& key)
{
    m_number->setText(key.number);
    m_name->setText(key.name);
    m_shortName->setText(key.shortName);
    m_fixedPeriod->setChecked(key.fixedPeriod);
    if (key.fixedPeriod) {
        m_start->setText(key.start ? validityText(*key.start) : QString());
        m_end->setText(key.end ? validityText(*key.end) : QString());
    }
    showProfile(key.profile);
}

void KeyPage::showProfile(const QString& profile)
{
    m_profiles->setCurrentIndex(profile.isEmpty() ? -1 : m_profiles->findText(profile, Qt::MatchFixedString));
}

bool KeyPage::acceptsLearnedKey() const { return m_number->isEnabled(); }

bool KeyPage::showLearnedKey(const QString& number)
{
    m_number->setText(number);
    std::optional<KeyRecord> key;
    if (!projectOpen() || !MessageBox::showOutcome(this, lookUpKeyByNumber(workCopy(), number, key)) || !key)
        return false;
    m_name->setText(key->name);
    m_shortName->setText(key->shortName);
    showProfile(key->profile);
    return true;
}

void KeyPage::fixedPeriodToggled(bool on)
{
    m_periodFrame->setVisible(on);
    m_editPeriod->setEnabled(on);
    if (!on) {
        m_start->clear();
        m_end->clear();
    }
}

void KeyPage::editPeriod()
{
    FrmTime dialog(workCopy(), services().clock, m_fixedPeriod->isChecked(), m_start->text(), m_end->text(), this);
    connect(&dialog, &FrmTime::defaultsSaved, this, &Page::projectChanged);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_start->setText(dialog.startText());
    m_end->setText(dialog.endText());
}

void KeyPage::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QList<QWidget*> form = {m_number, m_name, m_shortName, m_profiles, m_dropProfile, m_fixedPeriod};
    if (!enter || !form.contains(focusWidget())) {
        Page::keyPressEvent(event);
        return;
    }
    if (m_buttons.add->isEnabled())
        m_buttons.add->click();
    else if (m_buttons.change->isEnabled())
        m_buttons.change->click();
}

KeyForm KeyPage::form() const
{
    return KeyForm{m_number->text(),          m_name->text(),
                   m_shortName->text(),       m_profiles->currentIndex() < 0 ? QString() : m_profiles->currentText(),
                   m_dropProfile->isChecked(), m_fixedPeriod->isChecked(),
                   m_start->text(),           m_end->text()};
}

// A write that stored its work may still have something to say (the key is
// stored, its profile link refused); the page then starts afresh. A refused
// write keeps the fields for the operator to correct.
void KeyPage::afterWrite(const WriteResult& result)
{
    MessageBox::showOutcome(this, result.outcome);
    if (!result.stored)
        return;
    emit projectChanged();
    newState();
}

void KeyPage::createTestKeys()
{
    const int count = m_testCount->text().toInt();
    if (count < 1)
        return;
    const Outcome outcome = varnox::createTestKeys(workCopy(), count);
    if (outcome) {
        emit projectChanged();
        MessageBox::show(this, testKeysCreatedMessage());
    } else {
        MessageBox::showOutcome(this, outcome);
        MessageBox::show(this, testKeysFailedMessage());
    }
    newState();
}

}  // namespace varnox
