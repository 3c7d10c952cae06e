#pragma once

#include <QString>

namespace varnox {

// Where opening, creating and saving a project reach beyond the project files:
// the login dialog, the project dialogs, the main window, the end of the
// program and the supervision. The main window implements it; tests record
// the calls.
class ProjectHost {
public:
    virtual ~ProjectHost() = default;

    // FrmFileOpen, modal; its new-project button is enabled as told.
    virtual void showProjectDialog(bool newProjectAllowed) = 0;
    // FrmNewFile, modal; `atStart`: no project is open, so cancelling it
    // offers to end the program.
    virtual void showNewProjectDialog(bool atStart) = 0;
    virtual void hideLoginDialog() = 0;
    virtual void closeLoginDialog() = 0;
    // FillMainWindow: fills the main window for the current project and
    // mode and shows it.
    virtual void fillMainWindow() = 0;
    // Terminate: ends the program.
    virtual void terminate() = 0;

    // The supervision (system test, watchdogs, remote maintenance) starts
    // for the project that has just been opened or created.
    virtual void startSupervision() { }
    // The additional save: after the project file has been written, a copy
    // of the work copy goes to the folder of the setting "DubbleSave".
    virtual void additionalSave(const QString& workCopyName) { Q_UNUSED(workCopyName); }
};

}  // namespace varnox
