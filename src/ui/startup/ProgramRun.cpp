#include "ui/startup/ProgramRun.h"

#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/bus/transfer/DataTransfer.h"
#include "core/lang/Texts.h"
#include "core/project/CommandLineProject.h"
#include "core/project/ReadersToTransfer.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/QueryExit.h"
#include "core/shell/StartupRepair.h"
#include "core/shell/Version.h"
#include "ui/login/FrmPW.h"
#include "ui/main/MainPages.h"
#include "ui/pages/transfer/TransferPage.h"
#include "ui/protocol/FrmLogAnz.h"
#include "ui/settings/FrmAllgemein.h"
#include "ui/startup/MainActions.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace varnox {
namespace {

SerialPortFactory& portsOrOwn(SerialPortFactory* given, std::unique_ptr<SerialPortFactory>& own)
{
    if (given)
        return *given;
    own = std::make_unique<QtSerialPortFactory>(ProgramFolder::configFile());
    return *own;
}

}  // namespace

ProgramRun::ProgramRun(const Clock& clock, SerialPortFactory* ports)
    : m_config(ProgramFolder::configFile())
    , m_protocol(clock)
    , m_services{m_session, m_config, m_protocol, clock, m_events}
    , m_shutdown(m_session, [this](const QString& text) { m_protocol.write(text); })
    , m_window(m_services, portsOrOwn(ports, m_ownPorts))
    , m_op(&m_window)
    , m_supervision(m_window, m_services, m_op)
    , m_login(m_session, m_config)
    , m_passwords(m_config)
    , m_loginDialog(m_login, m_protocol, &m_window)
    , m_host(m_window, m_loginDialog, m_session, [this] { terminate(); })
    , m_context{m_session, m_protocol, m_op, m_host}
    , m_saver(m_context)
    , m_opener(m_context, m_saver)
    , m_creator(m_context, m_saver)
{
    // The run ends by Terminate alone: a login dialog that closes before
    // the main window opens must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    endProcess = [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); };
    endProcessNow = [] {
        std::fflush(nullptr);
        ::_exit(0);
    };
    m_host.setProcedures(m_opener, m_creator);
    m_host.setSupervision(m_supervision);
    m_shutdown.hooks().askSaveAndClose = [this] { m_saver.AskSaveAndClose(); };
    m_shutdown.hooks().closePorts = [this] {
        m_supervision.shutdown();
        m_window.bus().shutdown();
    };
    m_shutdown.hooks().abortTransfer = [this] { m_window.transfer().abort(TransferFailure::ProgramEnd); };
    pendingTransfers = [this] { return m_window.pages().transferPage().waitingCount(); };
    m_window.setCloseGuard([this] { return confirmClose(); });

    connect(&m_loginDialog, &FrmLogIn::firstLogin, this, [this] { m_opener.OpenProjectStart(); });
    connect(&m_loginDialog, &FrmLogIn::modeChanged, this, [this] { m_window.FillMainWindow(); });
    connect(&m_loginDialog, &FrmLogIn::endRequested, this, &ProgramRun::terminate);
    connectMainActions(*this);
}

ProgramRun::~ProgramRun() = default;

void ProgramRun::start()
{
    m_protocol.setSwitches(StartupRepair(m_config));
    m_protocol.write(GetText(384, "Programm gestartet"));
    if (!projectArgument.isEmpty() && openCommandLineProject(projectArgument, m_context, m_opener))
        return;
    m_loginDialog.showAtStart();
}

// Cancelled, the program stays in Beobachtungsmodus on the project.
void ProgramRun::askForModeAtStart(int mode)
{
    if (mode < 1 || mode > 3 || !m_session.projectGivenAtStart || ended())
        return;
    QTimer::singleShot(0, this, [this, mode] {
        if (!ended())
            m_loginDialog.RequestMode(Mode(mode));
    });
}

bool ProgramRun::confirmClose()
{
    if (ended())
        return true;
    ExitFacts facts;
    facts.mode = m_session.mode;
    facts.pendingTransfers = pendingTransfers;
    facts.readersToTransfer = [this] { return readersToTransfer(m_session.workCopyName); };
    const bool yes = QueryExit(facts, m_op);
    if (ended())
        return true;  // ended from outside while the question was open
    if (!yes)
        return false;
    terminate();
    return true;
}

void ProgramRun::terminate()
{
    if (ended())
        return;
    m_shutdown.terminate(Shutdown::Way::Operator);
    closeOtherWindows();
    endProcess();
}

void ProgramRun::endFromOutside()
{
    if (m_shutdown.finished())
        return;
    m_shutdown.terminate(Shutdown::Way::Signal);
    if (QApplication::activeModalWidget()) {
        endProcessNow();
        return;
    }
    closeOtherWindows();
    m_window.close();
    endProcess();
}

void ProgramRun::finish() { m_shutdown.terminate(Shutdown::Way::Signal); }

// Dialogs are dismissed, not cancelled: their cancel buttons would ask
// again whether the program should end.
void ProgramRun::closeOtherWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &m_window || !w->isVisible())
            continue;
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->done(QDialog::Rejected);
        else
            w->close();
    }
}

void ProgramRun::openProtocolViewer()
{
    m_protocol.write(GetText(824, "Menü 'Tagesprotokoll anzeigen' aufgerufen"));
    if (!m_viewer) {
        m_viewer = new FrmLogAnz(m_protocol, &m_window);
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

void ProgramRun::openGeneralSettings()
{
    FrmAllgemein dialog(m_config, m_protocol, &m_window);
    dialog.exec();
}

void ProgramRun::openPasswordDialog()
{
    FrmPW dialog(m_passwords, m_session.mode, m_protocol, &m_window);
    dialog.exec();
}

void ProgramRun::showAbout()
{
    const QLatin1String newLine("\r\n");
    MessageBox::show(&m_window, {.text = GetText(916, "Varnox") + newLine + GetText(813, "Programm für Zutrittskontrolle")
                                         + newLine + newLine + GetText(811, "Version: ") + versionText(),
                                 .title = GetText(2435, "Info"),
                                 .icon = MessageIcon::Information, .focus = {}, .selectAll = false});
}

}  // namespace varnox
