#include "ui/startup/ProgramRun.h"

#include "core/lang/Texts.h"
#include "core/project/ReadersToTransfer.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/QueryExit.h"
#include "core/shell/StartupRepair.h"
#include "ui/common/MessageBox.h"
#include "ui/protocol/FrmLogAnz.h"
#include "ui/settings/FrmAllgemein.h"
#include "ui/startup/InterimMenu.h"

#include <QApplication>

namespace varnox {

ProgramRun::ProgramRun(const Clock& clock)
    : m_config(ProgramFolder::configFile())
    , m_protocol(clock)
    , m_shutdown(m_session, [this](const QString& text) { m_protocol.write(text); })
{
    endProcess = [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); };
    m_window.setCloseGuard([this] { return confirmClose(); });
    addInterimMenu(*this);
}

void ProgramRun::start()
{
    m_protocol.setSwitches(StartupRepair(m_config));
    m_protocol.write(GetText(384, "Programm gestartet"));
    // The language choice, a project named on the command line and the
    // login join in here as they arrive; until then the main window opens.
    m_window.show();
}

bool ProgramRun::confirmClose()
{
    if (ended())
        return true;
    ExitFacts facts;
    facts.mode = m_session.mode;
    facts.pendingTransfers = pendingTransfers;
    facts.readersToTransfer = [this] { return readersToTransfer(m_session.workCopyName); };
    UiOperator op(&m_window);
    const bool yes = QueryExit(facts, op);
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
    if (ended())
        return;
    m_shutdown.terminate(Shutdown::Way::Signal);
    closeOtherWindows();
    m_window.close();
    endProcess();
}

void ProgramRun::finish() { m_shutdown.terminate(Shutdown::Way::Signal); }

void ProgramRun::closeOtherWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &m_window && w->isVisible())
            w->close();
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

}  // namespace varnox
