#pragma once

#include "core/project/ProjectHost.h"

#include <functional>

class QWidget;

namespace varnox {

class FrmLogIn;
class FrmMain;
class ProjectCreator;
class ProjectOpener;
struct Session;
class SupervisionWindows;

// The windows around opening, creating and saving projects: the project
// dialogs, the login dialog and the main window.
class ProjectWindows final : public ProjectHost {
public:
    ProjectWindows(FrmMain& window, FrmLogIn& login, Session& session, std::function<void()> terminate);

    // The procedures the project dialogs forward to; they need this host
    // themselves, so they are made after it.
    void setProcedures(ProjectOpener& opener, ProjectCreator& creator);
    void setSupervision(SupervisionWindows& supervision) { m_supervision = &supervision; }

    void showProjectDialog(bool newProjectAllowed) override;
    void showNewProjectDialog(bool atStart) override;
    void hideLoginDialog() override;
    void closeLoginDialog() override;
    // Fills and shows the main window; the bus lines are opened for each
    // project the window is filled for, the first included.
    void fillMainWindow() override;
    void terminate() override;
    void startSupervision() override;
    void additionalSave(const QString& workCopyName) override;

    // FrmFileSaveAs, from the menu item `Speichern_unter`.
    void showSaveAsDialog();

private:
    QWidget* dialogParent() const;

    FrmMain& m_window;
    FrmLogIn& m_login;
    Session& m_session;
    std::function<void()> m_terminate;
    ProjectOpener* m_opener = nullptr;
    ProjectCreator* m_creator = nullptr;
    SupervisionWindows* m_supervision = nullptr;
    QString m_portsOpenedFor;  // the work copy the bus lines were opened for
};

}  // namespace varnox
