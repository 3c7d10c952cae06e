#include "ui/pages/functions/FunctionsPage.h"

#include "core/lang/Texts.h"
#include "core/model/BusLineList.h"
#include "core/model/FunctionOperations.h"
#include "core/model/ReaderQueries.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace varnox {
namespace {

constexpr int kUnlimited = 32767;  // QLineEdit's own default

int maxLength(ProtocolLength length)
{
    return length == ProtocolLength::Short ? 4 : length == ProtocolLength::Long ? 8 : kUnlimited;
}

}  // namespace

FunctionsPage::FunctionsPage(AppServices& services, QWidget* parent)
    : Page(services, parent)
{
    setObjectName(QStringLiteral("PageFunktionen"));
    buildControls();
    buildLayout();
    loadCaptions(this, [this] { loadTexts(); });

    connect(m_busLine, &QComboBox::currentIndexChanged, this, &FunctionsPage::busLineChosen);
    connect(m_reader, &QComboBox::currentIndexChanged, this, &FunctionsPage::readerChosen);
    connect(m_kinds, &QButtonGroup::buttonToggled, this, [this] { showKindFrame(); });
    connect(m_lengths, &QButtonGroup::buttonClicked, this, [this] { lengthChosen(); });
    connect(m_buttons->neu, &QPushButton::clicked, this, [this] { clearPage(); });
    connect(m_buttons->add, &QPushButton::clicked, this,
            [this] { afterWrite(FunctionOperations(projectPath()).create(form())); });
    connect(m_buttons->change, &QPushButton::clicked, this,
            [this] { afterWrite(FunctionOperations(projectPath()).change(m_selected, form())); });
    connect(m_buttons->remove, &QPushButton::clicked, this,
            [this] { afterWrite(FunctionOperations(projectPath()).remove(m_selected)); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { showFunction(item->text()); });
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { showFunction(item->text()); });
    clearPage();
}

void FunctionsPage::pageShown()
{
    clearPage();
    reloadList();
}

QString FunctionsPage::projectPath() const { return workCopyPath(services().session.workCopyName); }

void FunctionsPage::clearPage()
{
    m_state = State::New;
    {
        const QSignalBlocker busBlock(m_busLine);
        m_busLine->setCurrentIndex(-1);
    }
    m_name->clear();
    m_serial->clear();
    m_number->setCurrentIndex(-1);
    {
        const QSignalBlocker readerBlock(m_reader);
        m_reader->clear();
    }
    m_address->clear();
    m_noKind->setChecked(true);
    m_noLength->setChecked(true);
    m_content->setMaxLength(kUnlimited);
    m_content->clear();
    showLength();
    m_list->clearSelection();
    updateButtons();
}

void FunctionsPage::reloadList()
{
    beginListLoad();
    QStringList names;
    const Outcome outcome = services().session.workCopyName.isEmpty() ? Outcome::ok() : FunctionOperations(projectPath()).list(names);
    PageLayout::fillList<QString>(
        m_list, m_count, names, [](const QString& name) { return new QListWidgetItem(name); },
        [this](int row, int rows) { listLoadStep(row, rows); });
    endListLoad();
    MessageBox::showOutcome(this, outcome);
}

void FunctionsPage::showFunction(const QString& name)
{
    m_selected = name;
    FunctionView view;
    if (!MessageBox::showOutcome(this, FunctionOperations(projectPath()).show(name, view)))
        return;
    const FunctionForm& f = view.form;
    m_state = State::Edit;
    m_name->setText(f.name);
    {
        const QSignalBlocker busBlock(m_busLine);
        const QSignalBlocker readerBlock(m_reader);
        m_busLine->setCurrentIndex(f.busPosition);
        fillReaders(view.readers);
        m_reader->setCurrentIndex(f.readerSerial.isEmpty() ? -1 : m_reader->findData(f.readerSerial));
    }
    m_address->setText(view.address >= 0 ? QString::number(view.address) : QString());
    m_serial->setText(f.serial);
    m_number->setCurrentIndex(f.controlNumber);
    QRadioButton* kinds[] = {m_doorOpener, m_control, m_free};
    (f.kind == FunctionKind::None ? m_noKind : kinds[int(f.kind)])->setChecked(true);
    (f.length == ProtocolLength::Short ? m_short : f.length == ProtocolLength::Long ? m_long : m_noLength)->setChecked(true);
    m_content->setMaxLength(maxLength(f.length));
    m_content->setText(f.content);
    showLength();
    updateButtons();
    if (view.warning)
        MessageBox::show(this, *view.warning);
}

void FunctionsPage::showKindFrame()
{
    m_doorFrame->setVisible(m_doorOpener->isChecked());
    m_controlFrame->setVisible(m_control->isChecked());
    m_freeFrame->setVisible(m_free->isChecked());
}

void FunctionsPage::showLength()
{
    const ProtocolLength length = chosenLength();
    m_lengthHint->setText(length == ProtocolLength::Short  ? GetText(2858, "(4 Zeichen)")
                          : length == ProtocolLength::Long ? GetText(2859, "(8 Zeichen)")
                                                           : QString());
}

void FunctionsPage::lengthChosen()
{
    m_content->setMaxLength(maxLength(chosenLength()));
    m_content->clear();
    showLength();
}

void FunctionsPage::updateButtons()
{
    const bool edit = m_state == State::Edit;
    m_buttons->setEditing(edit);
}

// Each entry carries its reader's serial number: names may repeat.
void FunctionsPage::fillReaders(const QList<ReaderListEntry>& readers)
{
    m_reader->clear();
    for (const ReaderListEntry& reader : readers)
        m_reader->addItem(reader.name, reader.serial);
}

void FunctionsPage::busLineChosen(int position)
{
    QList<ReaderListEntry> readers;
    if (position >= 0)
        MessageBox::showOutcome(this, ReaderQueries(projectPath()).onLine(BusLineList::lineAt(position), readers));
    const QSignalBlocker readerBlock(m_reader);
    fillReaders(readers);
    m_reader->setCurrentIndex(-1);
    m_address->clear();
}

void FunctionsPage::readerChosen(int index)
{
    int address = -1;
    if (index >= 0)
        MessageBox::showOutcome(this, ReaderQueries(projectPath()).addressOf(m_reader->itemData(index).toString(),
                                                                             BusLineList::lineAt(m_busLine->currentIndex()), address));
    m_address->setText(address >= 0 ? QString::number(address) : QString());
}

FunctionKind FunctionsPage::chosenKind() const
{
    return m_doorOpener->isChecked() ? FunctionKind::DoorOpener
        : m_control->isChecked()     ? FunctionKind::Control
        : m_free->isChecked()        ? FunctionKind::Free
                                     : FunctionKind::None;
}

ProtocolLength FunctionsPage::chosenLength() const
{
    return m_short->isChecked() ? ProtocolLength::Short : m_long->isChecked() ? ProtocolLength::Long : ProtocolLength::None;
}

FunctionForm FunctionsPage::form() const
{
    FunctionForm f;
    f.name = m_name->text();
    f.busPosition = m_busLine->currentIndex();
    f.kind = chosenKind();
    f.readerSerial = m_reader->currentIndex() >= 0 ? m_reader->currentData().toString() : QString();
    f.serial = m_serial->text();
    f.controlNumber = m_number->currentIndex();
    f.length = chosenLength();
    f.content = m_content->text();
    return f;
}

void FunctionsPage::afterWrite(const Outcome& outcome)
{
    if (!MessageBox::showOutcome(this, outcome))
        return;
    emit projectChanged();
    clearPage();
    reloadList();
}

}  // namespace varnox
