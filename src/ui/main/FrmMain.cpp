#include "ui/main/FrmMain.h"

#include "core/bus/BusSystem.h"
#include "core/bus/transfer/DataTransfer.h"
#include "core/bus/transfer/DeskReader.h"
#include "core/bus/transfer/TransferTimers.h"
#include "core/lang/Texts.h"
#include "core/online/OnlineEvaluation.h"
#include "core/project/ProjectPaths.h"
#include "core/project/SaveState.h"
#include "core/shell/EventSink.h"
#include "core/shell/Modes.h"
#include "core/shell/Session.h"
#include "core/shell/Version.h"
#include "ui/common/AppServices.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/lang/LanguageSelection.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainPages.h"
#include "ui/main/MainStatusBar.h"
#include "ui/main/MainToolbar.h"
#include "ui/pages/monitor/MonitorPage.h"
#include "ui/pages/transfer/TransferPage.h"

#include <QAction>
#include <QCloseEvent>

namespace varnox {
namespace {

// The work copy of the open project; empty while none is open.
std::function<QString()> openWorkCopy(const AppServices& services)
{
    return [&services] {
        const QString name = services.session.workCopyName;
        return name.isEmpty() ? QString() : workCopyPath(name);
    };
}

}  // namespace

FrmMain::FrmMain(AppServices& services, SerialPortFactory& ports, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_bus(new BusSystem(ports, services.clock, services.config, services.protocol, services.events,
                          openWorkCopy(services), {}, this))
    , m_online(new OnlineEvaluation(*m_bus, services.clock, services.protocol, services.events,
                                    openWorkCopy(services), this))
    , m_menus(new MainMenus(this))
    , m_toolbar(new MainToolbar(this))
    , m_pages(new MainPages(services, m_bus->protocolList(), this))
    , m_status(new MainStatusBar(this))
{
    setObjectName(QStringLiteral("FrmMain"));
    addToolBar(m_toolbar);
    setCentralWidget(m_pages);
    setStatusBar(m_status);
    resize(1160, 760);
    m_pages->monitor().setMonitorList(m_online->monitorList());

    connect(m_pages, &MainPages::statusText, m_status, &MainStatusBar::setText);
    connect(m_pages, &MainPages::progress, m_status, &MainStatusBar::setProgress);
    connect(m_pages, &MainPages::projectChanged, this, [] { SetSaved(false); });
    connect(m_pages, &MainPages::initPortsRequested, m_bus, &BusSystem::InitPorts);
    connect(&SaveState::instance(), &SaveState::savedChanged, this, [this] { showSaveState(); });
    // Background events come up once the procedure that raised them is done.
    connect(
        &services.events, &EventSink::messageRaised, this,
        [this](const Message& message) { MessageBox::show(this, message); }, Qt::QueuedConnection);
    loadCaptions(this, [this] { loadTexts(); });
    connectTransfer();
}

FrmMain::~FrmMain() = default;

// The transfer into the readers with its four timers, and the desk reader,
// both on the ports of the bus.
void FrmMain::connectTransfer()
{
    m_transfer = new DataTransfer(
        m_bus->ports(), m_bus->reception(), m_services.protocol, m_operator,
        [this] {
            const QString name = m_services.session.workCopyName;
            return name.isEmpty() ? QString() : workCopyPath(name);
        },
        this);
    new TransferTimers(*m_transfer, this);
    m_pages->transferPage().setTransfer(*m_transfer);
    auto* desk = new DeskReader(this);
    m_bus->ports().setDeskReaderReceiver([desk](char ch) { desk->receive(ch); });
    connect(desk, &DeskReader::keyLearned, m_pages, &MainPages::learnKey);
}

QAction* FrmMain::menuItem(const QString& name) const { return m_menus->item(name); }
QAction* FrmMain::toolbarButton(const QString& key) const { return m_toolbar->button(key); }

QString FrmMain::caption() const
{
    const QString title = GetText(916, "Varnox");
    const QString workCopy = m_services.session.workCopyName;
    if (workCopy.isEmpty())
        return title;
    return title + GetText(1014, " v") + versionText() + GetText(589, " - Projekt ") + projectNameOf(workCopy).toUpper();
}

void FrmMain::loadTexts()
{
    setWindowTitle(caption());
    m_status->setModeText(modeName(m_services.session.mode));
}

void FrmMain::FillMainWindow()
{
    loadTexts();
    showLanguageMenuCheck(menuItem(QStringLiteral("Sprache")));
    m_pages->fillForProject();
    ApplyMode();
    // After the lists were filled, which leave the status bar empty.
    m_status->setText(GetText(386, "Nutzen Sie die Möglichkeiten der Symbolleiste oder der Register, um direkt zu einer Seite zu gelangen"));
}

ModeLayout FrmMain::currentLayout() const
{
    const Session& s = m_services.session;
    return layoutFor(s.mode, s.projectGivenAtStart, s.projectOpen);
}

void FrmMain::ApplyMode()
{
    const ModeLayout layout = currentLayout();
    for (auto it = layout.menuEnabled.begin(); it != layout.menuEnabled.end(); ++it)
        menuItem(it.key())->setEnabled(it.value());
    m_toolbar->showButtons(layout.buttonShown);
    m_pages->setAvailable(layout.pageAvailable);
    showSaveState();
    m_status->setModeText(modeName(m_services.session.mode));
    m_pages->select(layout.selectedPage);
}

void FrmMain::selectPage(int index) { m_pages->select(index); }

// The save commands are offered where the mode allows them and only while
// there are changes to save.
void FrmMain::showSaveState()
{
    const ModeLayout layout = currentLayout();
    const bool changed = !SaveState::instance().isSaved();
    menuItem(QStringLiteral("Speichern"))->setEnabled(layout.menuEnabled.value(QStringLiteral("Speichern")) && changed);
    toolbarButton(QStringLiteral("Speichern"))->setEnabled(layout.saveButtonAllowed && changed);
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    if (m_closeGuard && !m_closeGuard())
        event->ignore();
    else
        event->accept();
}

}  // namespace varnox
