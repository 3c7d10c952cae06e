#include "ui/main/MainPages.h"

#include "core/bus/transfer/DeskReader.h"
#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/main/PageCaptions.h"
#include "ui/pages/assignment/AssignmentPage.h"
#include "ui/pages/connections/ConnectionsPage.h"
#include "ui/pages/functions/FunctionsPage.h"
#include "ui/pages/keys/KeyPage.h"
#include "ui/pages/monitor/MonitorPage.h"
#include "ui/pages/profiles/ProfilePage.h"
#include "ui/pages/readers/ReadersPage.h"
#include "ui/pages/transfer/TransferPage.h"
#include "ui/pages/welcome/WelcomePage.h"
#include "ui/pages/zones/ZonePage.h"

#include <QApplication>
#include <QScrollArea>

namespace varnox {
namespace {

// Each page sits in a scroll area, so that a small window scrolls a page
// rather than squeezing its fields.
QWidget* scrolled(QWidget* content)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    return scroll;
}

}  // namespace

MainPages::MainPages(AppServices& services, QAbstractItemModel& receivedTelegrams, QWidget* parent)
    : QTabWidget(parent)
    , m_zones(new ZonePage(services))
    , m_connections(new ConnectionsPage(services))
    , m_monitor(new MonitorPage(services, receivedTelegrams))
    , m_keys(new KeyPage(services))
    , m_transferPage(new TransferPage(services))
{
    setObjectName(QStringLiteral("TabOne1"));
    setDocumentMode(true);
    // A page that is a Page (it fills itself when selected) is joined to the
    // window by its signals below.
    const std::array<QWidget*, kPageCount> contents = {
        new WelcomePage,
        new ReadersPage(services),
        new ProfilePage(services),
        new FunctionsPage(services),
        m_zones,
        new AssignmentPage(services),
        m_keys,
        m_connections,
        m_transferPage,
        m_monitor,
    };
    for (int i = 0; i < kPageCount; ++i) {
        addTab(scrolled(contents[size_t(i)]), pageCaption(i));
        join(i, qobject_cast<Page*>(contents[size_t(i)]));
    }

    connect(m_connections, &ConnectionsPage::initPortsRequested, this, &MainPages::initPortsRequested);
    connect(m_monitor, &MonitorPage::viewerRequested, this, &MainPages::viewerRequested);
    connect(m_monitor, &MonitorPage::printRequested, this, &MainPages::printRequested);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (Page* p = page(index))
            p->pageShown();
    });
    loadCaptions(this, [this] { loadTexts(); });
}

void MainPages::join(int index, Page* page)
{
    m_pages[size_t(index)] = page;
    if (!page)
        return;
    connect(page, &Page::statusText, this, &MainPages::statusText);
    connect(page, &Page::progress, this, &MainPages::progress);
    connect(page, &Page::projectChanged, this, &MainPages::projectChanged);
}

void MainPages::fillForProject()
{
    m_zones->fillForProject();
    m_transferPage->refreshLists(); // the exit question counts its readers
    m_connections->FillComPortLists();
    m_monitor->clearMonitorList();
}

void MainPages::setAvailable(const std::array<bool, kPageCount>& available)
{
    for (int i = 0; i < kPageCount; ++i)
        setTabVisible(i, available[size_t(i)]);
}

void MainPages::select(int index)
{
    if (currentIndex() != index)
        setCurrentIndex(index);
    else if (Page* p = page(index))
        p->pageShown();
}

void MainPages::learnKey(const QString& number)
{
    constexpr int keyPage = 6;
    // Nothing changes behind an open dialog; the key can be held again.
    if (!isTabVisible(keyPage) || QApplication::activeModalWidget())
        return;
    // Only a switch from another page starts the key page afresh; on the
    // key page itself the operator's work stays as it is.
    if (currentIndex() != keyPage)
        setCurrentIndex(keyPage);
    if (!m_keys->acceptsLearnedKey()) {
        MessageBox::show(this, learnedKeyRefusedMessage());
        return;
    }
    if (m_keys->showLearnedKey(number))
        MessageBox::show(this, learnedKeyKnownMessage());
}

void MainPages::loadTexts()
{
    for (int i = 0; i < kPageCount; ++i)
        setTabText(i, pageCaption(i));
}

}  // namespace varnox
