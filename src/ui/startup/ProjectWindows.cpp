#include "ui/startup/ProjectWindows.h"

#include "core/bus/BusSystem.h"
#include "core/shell/Session.h"
#include "ui/login/FrmLogIn.h"
#include "ui/main/FrmMain.h"
#include "ui/project/FrmFileOpen.h"
#include "ui/project/FrmFileSaveAs.h"
#include "ui/project/FrmNewFile.h"
#include "ui/supervision/SupervisionWindows.h"

namespace varnox {

ProjectWindows::ProjectWindows(FrmMain& window, FrmLogIn& login, Session& session, std::function<void()> terminate)
    : m_window(window)
    , m_login(login)
    , m_session(session)
    , m_terminate(std::move(terminate))
{
}

void ProjectWindows::setProcedures(ProjectOpener& opener, ProjectCreator& creator)
{
    m_opener = &opener;
    m_creator = &creator;
}

// Before the main window is shown, the dialogs stand on their own.
QWidget* ProjectWindows::dialogParent() const { return m_window.isVisible() ? &m_window : nullptr; }

void ProjectWindows::showProjectDialog(bool newProjectAllowed)
{
    FrmFileOpen dialog(*m_opener, *m_creator, newProjectAllowed, dialogParent());
    dialog.exec();
}

void ProjectWindows::showNewProjectDialog(bool atStart)
{
    FrmNewFile dialog(*m_creator, atStart, dialogParent());
    dialog.exec();
}

void ProjectWindows::showSaveAsDialog()
{
    FrmFileSaveAs dialog(*m_creator, dialogParent());
    dialog.exec();
}

void ProjectWindows::hideLoginDialog() { m_login.hide(); }

void ProjectWindows::closeLoginDialog()
{
    if (m_login.isVisible())
        m_login.done(QDialog::Accepted);
}

void ProjectWindows::fillMainWindow()
{
    m_window.FillMainWindow();
    closeLoginDialog();
    m_session.projectOpen = true;
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    if (m_session.workCopyName != m_portsOpenedFor) {
        m_portsOpenedFor = m_session.workCopyName;
        m_window.bus().InitPorts();
    }
}

void ProjectWindows::terminate() { m_terminate(); }

void ProjectWindows::startSupervision()
{
    if (m_supervision)
        m_supervision->startSupervision();
}

void ProjectWindows::additionalSave(const QString& workCopyName)
{
    if (m_supervision)
        m_supervision->additionalSave(workCopyName);
}

}  // namespace varnox
