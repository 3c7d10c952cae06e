#pragma once

#include "core/online/DailyProtocol.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/Session.h"
#include "core/shell/Shutdown.h"
#include "ui/main/FrmMain.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace varnox {

class Clock;
class FrmLogAnz;

// One run of the program from "Programm gestartet" to "Programm beendet":
// it owns the process-wide state, the daily protocol and the main window,
// asks before the main window closes (however it is closed) and ends the
// program once, whichever way the end comes.
class ProgramRun : public QObject {
    Q_OBJECT
public:
    explicit ProgramRun(const Clock& clock);

    // Repairs the configuration, records the start and shows the main window.
    void start();

    // QueryExit, then Terminate when the operator confirms; false keeps the
    // main window open.
    bool confirmClose();
    // Told to end from outside: nothing is asked, the work copy stays.
    void endFromOutside();
    // Terminate for the operator's way out (the login dialog's Abbrechen).
    void terminate();
    // Ends the run if nothing has yet: after the event loop stopped for
    // another reason, "Programm beendet" is still written.
    void finish();

    // Opened from the main window's menu.
    void openProtocolViewer();
    void openGeneralSettings();

    Session& session() { return m_session; }
    DailyProtocol& protocol() { return m_protocol; }
    ConfigFile& config() { return m_config; }
    FrmMain& mainWindow() { return m_window; }
    bool ended() const { return m_shutdown.done(); }

    // The project file named on the command line, for the opening of a
    // project at start-up; not acted on before that exists.
    QString projectArgument;

    // Hooks for the parts of the program that come later; each may stay empty.
    ShutdownHooks& shutdownHooks() { return m_shutdown.hooks(); }
    // The length of the data transfer page's list of readers to transfer.
    std::function<int()> pendingTransfers;
    // Ends the process after Terminate; the event loop's quit unless a test replaces it.
    std::function<void()> endProcess;

private:
    void closeOtherWindows();

    Session m_session;
    ConfigFile m_config;
    DailyProtocol m_protocol;
    Shutdown m_shutdown;
    FrmMain m_window;
    QPointer<FrmLogAnz> m_viewer;
};

// The program from its command line to its end: what main() runs.
int runProgram(int argc, char* argv[]);

}  // namespace varnox
