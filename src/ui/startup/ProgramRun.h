#pragma once

#include "core/online/DailyProtocol.h"
#include "core/project/ProjectContext.h"
#include "core/project/ProjectCreator.h"
#include "core/project/ProjectOpener.h"
#include "core/project/ProjectSaver.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/Login.h"
#include "core/shell/PasswordChange.h"
#include "core/shell/Session.h"
#include "core/shell/Shutdown.h"
#include "ui/common/AppServices.h"
#include "ui/common/MessageBox.h"
#include "ui/login/FrmLogIn.h"
#include "ui/main/FrmMain.h"
#include "ui/startup/ProjectWindows.h"
#include "ui/supervision/SupervisionWindows.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace varnox {

class Clock;
class FrmLogAnz;
class SerialPortFactory;

// One run of the program from "Programm gestartet" to "Programm beendet":
// it owns the process-wide state, the daily protocol, the main window and
// the login dialog, takes the operator from the login (or the project on
// the command line) to a project, asks before the main window closes
// (however it is closed) and ends the program once, whichever way the end
// comes.
class ProgramRun : public QObject {
    Q_OBJECT
public:
    // `ports`: how the bus lines reach their serial ports; the machine's
    // own when none is given.
    explicit ProgramRun(const Clock& clock, SerialPortFactory* ports = nullptr);
    ~ProgramRun() override;

    // Repairs the configuration and records the start; then opens the
    // project named in projectArgument in Beobachtungsmodus, or, without
    // one or when it cannot be opened, shows the login dialog.
    void start();
    // Over a project opened from the command line, the login dialog asks
    // for the password of `mode` (1..3) at once, as the menu "Modus" would:
    // the demo opens in Konfigurationsmodus this way. Nothing for other values.
    void askForModeAtStart(int mode);

    // QueryExit, then Terminate when the operator confirms; false keeps the
    // main window open.
    bool confirmClose();
    // Told to end from outside: nothing is asked, the work copy stays. When
    // a question or dialog is open, its caller waits below on the stack and
    // would take the dismissed window for an answer and carry on after the
    // end: the process then ends at once, through endProcessNow.
    void endFromOutside();
    // Terminate for the operator's way out (the login dialog's Abbrechen).
    void terminate();
    // Ends the run if nothing has yet: after the event loop stopped for
    // another reason, "Programm beendet" is still written.
    void finish();

    // Behind the menu items and buttons of the main window.
    void openProtocolViewer();
    void openGeneralSettings();
    void openPasswordDialog();
    void showAbout();

    Session& session() { return m_session; }
    DailyProtocol& protocol() { return m_protocol; }
    ConfigFile& config() { return m_config; }
    AppServices& services() { return m_services; }
    FrmMain& mainWindow() { return m_window; }
    FrmLogIn& loginDialog() { return m_loginDialog; }
    ProjectWindows& projectWindows() { return m_host; }
    SupervisionWindows& supervision() { return m_supervision; }
    ProjectOpener& opener() { return m_opener; }
    ProjectSaver& saver() { return m_saver; }
    bool ended() const { return m_shutdown.done(); }

    // The project file named on the command line, opened by start().
    QString projectArgument;

    // Hooks for the parts of the program that come later; each may stay empty.
    ShutdownHooks& shutdownHooks() { return m_shutdown.hooks(); }
    // The length of the data transfer page's list of readers to transfer.
    std::function<int()> pendingTransfers;
    // Ends the process after Terminate; the event loop's quit unless a test replaces it.
    std::function<void()> endProcess;
    // Ends the process at once, without returning, after "Programm beendet"
    // was written and the ports were closed.
    std::function<void()> endProcessNow;

private:
    void closeOtherWindows();

    Session m_session;
    ConfigFile m_config;
    DailyProtocol m_protocol;
    EventSink m_events;
    AppServices m_services;
    Shutdown m_shutdown;
    std::unique_ptr<SerialPortFactory> m_ownPorts;
    FrmMain m_window;
    UiOperator m_op;
    SupervisionWindows m_supervision;
    LoginProcedure m_login;
    PasswordChange m_passwords;
    FrmLogIn m_loginDialog;
    ProjectWindows m_host;
    ProjectContext m_context;
    ProjectSaver m_saver;
    ProjectOpener m_opener;
    ProjectCreator m_creator;
    QPointer<FrmLogAnz> m_viewer;
};

// The program from its command line to its end: what main() runs.
int runProgram(int argc, char* argv[]);

}  // namespace varnox
