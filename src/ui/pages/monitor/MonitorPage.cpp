#include "ui/pages/monitor/MonitorPage.h"

#include "core/lang/Texts.h"
#include "core/online/MonitorList.h"
#include "core/shell/ConfigFile.h"
#include "ui/common/Captions.h"
#include "ui/pages/PageLayout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace varnox {

MonitorPage::MonitorPage(AppServices& services, QAbstractItemModel& receivedTelegrams, QWidget* parent)
    : Page(services, parent)
    , m_title(PageLayout::title(this))
    , m_monitorLabel(new QLabel(this))
    , m_monitor(new QTreeView(this))
    , m_receivedLabel(new QLabel(this))
    , m_received(new QListView(this))
    , m_clear(new QPushButton(this))
    , m_show(new QPushButton(this))
    , m_print(new QPushButton(this))
{
    setObjectName(QStringLiteral("PageMonitor"));
    m_monitor->setObjectName(QStringLiteral("ListViewMon"));
    m_received->setObjectName(QStringLiteral("cboProtIn"));
    m_clear->setObjectName(QStringLiteral("CmdMon"));
    m_show->setObjectName(QStringLiteral("CmdMonAnz"));
    m_print->setObjectName(QStringLiteral("CmdMonDru"));
    m_monitorLabel->setBuddy(m_monitor);
    m_receivedLabel->setBuddy(m_received);

    m_monitor->setRootIsDecorated(false);
    m_monitor->setUniformRowHeights(true);
    m_monitor->setAlternatingRowColors(true);
    m_monitor->header()->setStretchLastSection(true);
    m_monitor->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_received->setModel(&receivedTelegrams);
    // Every line has the same height: a telegram that comes in is laid out
    // without measuring the lines that wait already.
    m_received->setUniformItemSizes(true);
    m_received->setMaximumHeight(110);
    m_received->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_clear);
    buttons->addStretch();
    buttons->addWidget(m_show);
    buttons->addWidget(m_print);
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_title);
    page->addWidget(m_monitorLabel);
    page->addWidget(m_monitor, 1);
    page->addWidget(m_receivedLabel);
    page->addWidget(m_received);
    page->addLayout(buttons);

    connect(m_clear, &QPushButton::clicked, this, &MonitorPage::clearMonitorList);
    connect(m_show, &QPushButton::clicked, this, &MonitorPage::viewerRequested);
    connect(m_print, &QPushButton::clicked, this, &MonitorPage::printRequested);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
}

void MonitorPage::loadCaptions()
{
    setCaption(m_title, GetText(2470, "Online-Monitoring der Zutritte"));
    setCaption(m_monitorLabel, GetText(2471, "Entschiedene Schlüsselanfragen:"));
    setCaption(m_receivedLabel, GetText(2472, "Empfangene Lesertelegramme:"));
    if (m_entries)
        m_entries->retranslate();
    setCaption(m_clear, GetText(2473, "Liste leeren"));
    setCaption(m_show, GetText(2474, "Tagesprotokoll anzeigen"));
    setCaption(m_print, GetText(185, "Tagesprotokoll drucken"));
}

void MonitorPage::pageShown()
{
    m_print->setEnabled(lenientNumber(services().config.readValue(QStringLiteral("Config"), QStringLiteral("Encrypt")))
                        != 0);
}

void MonitorPage::setMonitorList(MonitorList& entries)
{
    m_entries = &entries;
    m_monitor->setModel(&entries);
    m_monitor->setColumnWidth(0, 210);
    m_monitor->setColumnWidth(1, 200);
    connect(&entries, &QAbstractItemModel::rowsInserted, this, &MonitorPage::showNewest);
}

void MonitorPage::clearMonitorList()
{
    if (m_entries)
        m_entries->clear();
}

// What the END key does in the list: the last entry current and in view.
void MonitorPage::showNewest()
{
    if (!isVisible() || !m_entries || m_entries->count() == 0)
        return;
    m_monitor->setFocus();
    m_monitor->setCurrentIndex(m_entries->index(m_entries->count() - 1, 0));
    m_monitor->scrollToBottom();
}

}  // namespace varnox
