#include "ui/main/MainPages.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/main/PageCaptions.h"
#include "ui/pages/assignment/AssignmentPage.h"
#include "ui/pages/connections/ConnectionsPage.h"
#include "ui/pages/functions/FunctionsPage.h"
#include "ui/pages/keys/KeyPage.h"
#include "ui/pages/monitor/MonitorPage.h"
#include "ui/pages/profiles/ProfilePage.h"
#include "ui/pages/readers/ReadersPage.h"
#include "ui/pages/welcome/WelcomePage.h"
#include "ui/pages/zones/ZonePage.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace varnox {
namespace {

// The frame of a page whose content a later version brings.
QWidget* waitingFrame(const char* name)
{
    auto* frame = new QWidget;
    frame->setObjectName(QString::fromLatin1(name));
    auto* note = new QLabel(frame);
    note->setObjectName(QString::fromLatin1(name) + QStringLiteral("Hinweis"));
    note->setAlignment(Qt::AlignCenter);
    note->setForegroundRole(QPalette::PlaceholderText);
    loadCaptions(frame, [note] { setCaption(note, GetText(2404, "Diese Seite folgt in einer späteren Version.")); });
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(note);
    return frame;
}

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
        new KeyPage(services),
        m_connections,
        waitingFrame("PageDatenuebertragung"),
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

void MainPages::loadTexts()
{
    for (int i = 0; i < kPageCount; ++i)
        setTabText(i, pageCaption(i));
}

}  // namespace varnox
