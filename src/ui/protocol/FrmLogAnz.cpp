#include "ui/protocol/FrmLogAnz.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/online/DayFiles.h"
#include "core/online/ProtocolExport.h"
#include "core/shell/Clock.h"
#include "ui/common/Captions.h"
#include "ui/common/DayCalendar.h"
#include "ui/common/MessageBox.h"
#include "ui/reports/ProtocolPrinting.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnox {
namespace {

enum Column { NumberColumn, TimeColumn, TextColumn, CheckColumn };
constexpr int kStateRole = Qt::UserRole;

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

FrmLogAnz::FrmLogAnz(DailyProtocol& protocol, QWidget* parent)
    : QDialog(parent)
    , m_protocol(protocol)
    , m_loader(protocol.cipher())
{
    setObjectName(QStringLiteral("FrmLogAnz"));
    build();
    varnox::loadCaptions(this, [this] { loadCaptions(); });

    MonthView1->setSelectedDate(m_protocol.clock().now().date());
    markDaysWithFile(MonthView1->yearShown(), MonthView1->monthShown());
    m_pages->setCurrentWidget(m_protocol.encrypt() ? static_cast<QWidget*>(ListViewMon) : txtLogAnz);
    FrSearch->setEnabled(m_protocol.encrypt());  // a plain file is shown whole
    CmdSearch->setEnabled(m_protocol.encrypt());
}

void FrmLogAnz::build()
{
    MonthView1 = named(new QCalendarWidget, "MonthView1");
    connect(MonthView1, &QCalendarWidget::currentPageChanged, this, &FrmLogAnz::markDaysWithFile);
    connect(MonthView1, &QCalendarWidget::clicked, this, &FrmLogAnz::dayChosen);

    FrSearch = named(new QGroupBox, "FrSearch");
    TxtEntryWithThis = named(new QLineEdit, "TxtEntryWithThis");
    TxtEntryWithoutThis = named(new QLineEdit, "TxtEntryWithoutThis");
    auto* filters = new QFormLayout(FrSearch);
    filters->addRow(named(new QLabel, "LblEntryWithThis"), TxtEntryWithThis);
    filters->addRow(named(new QLabel, "LblEntryWithoutThis"), TxtEntryWithoutThis);

    ListViewMon = named(new QTreeWidget, "ListViewMon");
    ListViewMon->setRootIsDecorated(false);
    ListViewMon->setUniformRowHeights(true);
    ListViewMon->setColumnCount(4);
    ListViewMon->setSortingEnabled(true);
    ListViewMon->sortByColumn(NumberColumn, Qt::AscendingOrder);
    ListViewMon->header()->setStretchLastSection(false);
    ListViewMon->header()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
    txtLogAnz = named(new QPlainTextEdit, "txtLogAnz");
    txtLogAnz->setReadOnly(true);
    txtLogAnz->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pages = new QStackedWidget;
    m_pages->addWidget(ListViewMon);
    m_pages->addWidget(txtLogAnz);

    ProgBarDatLoad = named(new QProgressBar, "ProgBarDatLoad");
    ProgBarDatLoad->hide();
    m_loadTimer = named(new QTimer(this), "TimerLoad");
    m_loadTimer->setInterval(0);
    connect(m_loadTimer, &QTimer::timeout, this, &FrmLogAnz::loadStep);

    auto* left = new QVBoxLayout;
    left->addWidget(MonthView1);
    left->addWidget(FrSearch);
    left->addWidget(buildButtons());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(m_pages, 1);
    right->addWidget(ProgBarDatLoad);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(1000, 620);
}

QWidget* FrmLogAnz::buildButtons()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    CmdLoad = named(new QPushButton, "CmdLoad");
    CmdSearch = named(new QPushButton, "CmdSearch");
    CmdStop = named(new QPushButton, "CmdStop");
    CmdExport = named(new QPushButton, "CmdExport");
    CmdPrint = named(new QPushButton, "CmdPrint");
    cmdCancel = named(new QPushButton, "cmdCancel");
    const QList<QPushButton*> buttons {CmdLoad, CmdSearch, CmdStop, CmdExport, CmdPrint, cmdCancel};
    for (int i = 0; i < buttons.size(); ++i)
        grid->addWidget(buttons[i], i / 2, i % 2);
    CmdStop->setEnabled(false);
    connect(CmdLoad, &QPushButton::clicked, this, &FrmLogAnz::load);
    connect(CmdSearch, &QPushButton::clicked, this, &FrmLogAnz::load);
    connect(CmdStop, &QPushButton::clicked, this, &FrmLogAnz::stop);
    connect(CmdExport, &QPushButton::clicked, this, &FrmLogAnz::exportToClipboard);
    connect(CmdPrint, &QPushButton::clicked, this, [this] { printDailyProtocol(this, m_protocol, MonthView1->selectedDate()); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    return box;
}

void FrmLogAnz::loadCaptions()
{
    setCaption(this, GetText(2010, "Tagesprotokoll"));
    varnox::setToolTip(MonthView1, GetText(895, "Datum der Log-Datei auswählen! Nur bei fettgedrucktem Datum sind Einträge vorhanden!"));
    setCaption(FrSearch, GetText(2011, "Suche"));
    setCaption(findChild<QLabel*>(QStringLiteral("LblEntryWithThis")), GetText(2012, "Nur Einträge mit diesem Text:"));
    setCaption(findChild<QLabel*>(QStringLiteral("LblEntryWithoutThis")), GetText(2013, "Keine Einträge mit diesem Text:"));
    setCaption(CmdLoad, GetText(2014, "Laden"));
    setCaption(CmdSearch, GetText(2015, "Suchen"));
    setCaption(CmdStop, GetText(2016, "Stopp"));
    setCaption(CmdExport, GetText(818, "Exportieren"));
    setCaption(CmdPrint, GetText(186, "Drucken"));
    setCaption(cmdCancel, GetText(163, "Schließen"));
    ListViewMon->setHeaderLabels({GetText(2019, "Nr."), GetText(2020, "Zeit"), GetText(2021, "Text"), GetText(2022, "Prüfung")});
}

void FrmLogAnz::markDaysWithFile(int year, int month) { m_boldDays = showDaysWithFile(*MonthView1, year, month); }

void FrmLogAnz::dayChosen(const QDate& day)
{
    if (m_boldDays.contains(day))
        load();
    else
        MessageBox::show(this, DayFiles::noFileMessage());
}

void FrmLogAnz::loadDay(const QDate& day)
{
    MonthView1->setSelectedDate(day);
    load();
}

bool FrmLogAnz::loading() const { return m_loader.state() == DayLoader::State::Loading; }

void FrmLogAnz::load()
{
    const QDate day = MonthView1->selectedDate();
    if (!m_protocol.encrypt()) {
        QString text;
        if (!MessageBox::showOutcome(this, DayFiles::readPlain(day, &text)))
            return;
        txtLogAnz->setPlainText(text);
        m_loadedDay = day;
        return;
    }
    m_loadTimer->stop();
    ListViewMon->clear();
    m_shown = 0;
    if (!MessageBox::showOutcome(this, m_loader.start(day, {TxtEntryWithThis->text(), TxtEntryWithoutThis->text()})))
        return;
    m_loadedDay = day;
    ListViewMon->setSortingEnabled(false);  // sorted once at the end, not per batch
    ProgBarDatLoad->setRange(0, 1000);
    ProgBarDatLoad->setValue(0);
    ProgBarDatLoad->show();
    for (QPushButton* b : {CmdLoad, CmdSearch, CmdExport, CmdPrint})
        b->setEnabled(false);
    CmdStop->setEnabled(true);
    m_loadTimer->start();
}

void FrmLogAnz::loadStep()
{
    const bool more = m_loader.tick();
    appendEntries();
    if (m_loader.size() > 0)
        ProgBarDatLoad->setValue(int(m_loader.position() * 1000 / m_loader.size()));
    if (!more)
        loadEnded();
}

void FrmLogAnz::loadEnded()
{
    m_loadTimer->stop();
    appendEntries();
    ListViewMon->setSortingEnabled(true);
    ProgBarDatLoad->hide();
    for (QPushButton* b : {CmdLoad, CmdSearch, CmdExport, CmdPrint})
        b->setEnabled(true);
    CmdStop->setEnabled(false);
}

void FrmLogAnz::stop()
{
    m_loader.stop();
    loadEnded();
}

void FrmLogAnz::appendEntries()
{
    const QList<ListedEntry>& entries = m_loader.entries();
    QList<QTreeWidgetItem*> items;
    for (; m_shown < entries.size(); ++m_shown)
        items.append(itemFor(entries[m_shown]));
    ListViewMon->addTopLevelItems(items);
}

QTreeWidgetItem* FrmLogAnz::itemFor(const ListedEntry& entry) const
{
    const QString check = recordStateText(entry.state);
    auto* item = new QTreeWidgetItem(QStringList {entry.number, entry.time, entry.text, check});
    item->setData(NumberColumn, kStateRole, int(entry.state));
    if (entry.state != RecordState::Ok) {
        item->setIcon(NumberColumn, style()->standardIcon(QStyle::SP_MessageBoxWarning));
        for (int c = 0; c < ListViewMon->columnCount(); ++c) {
            item->setForeground(c, QBrush(Qt::red));
            item->setToolTip(c, check);
        }
    }
    return item;
}

QList<ListedEntry> FrmLogAnz::shownEntries() const
{
    QList<ListedEntry> entries;
    for (int i = 0; i < ListViewMon->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListViewMon->topLevelItem(i);
        entries.append({item->text(NumberColumn), item->text(TimeColumn), item->text(TextColumn),
                        RecordState(item->data(NumberColumn, kStateRole).toInt())});
    }
    return entries;
}

QDate FrmLogAnz::dayToExport() const { return m_loadedDay.isValid() ? m_loadedDay : MonthView1->selectedDate(); }

void FrmLogAnz::exportToClipboard()
{
    m_protocol.write(GetText(830, "Tagesprotokoll exportiert"));
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    if (!m_protocol.encrypt()) {
        QString text;
        if (MessageBox::showOutcome(this, DayFiles::readPlain(dayToExport(), &text)))
            clipboard->setText(text);
        return;
    }
    clipboard->setText(exportText(dayToExport(), shownEntries()));
}

}  // namespace varnox
