#pragma once

#include <QString>

namespace varnox {

class Operator;
class ProjectSaver;
struct ProjectContext;

// What a name dialog does after its button was handled.
enum class DialogStep {
    Done,  // the project is open; the dialog closes
    Stay,  // the dialog stays with the name as it is
    SelectName,  // the dialog stays and selects the whole name for a retry
    Close,  // the dialog closes; nothing changed
};

// Writes the new project file `path` from `source` (the template, or a work
// copy being saved under a new name) in one piece and makes and checks its
// work copy, which then holds the project's lock. False when that failed
// (reported, or the reason in `reason`); nothing is then left behind.
bool writeNewProjectFile(const QString& path, const QString& source, bool fromTemplate, Operator& op,
                         QString* workCopyName, QString* reason = nullptr);

// New projects from the template, and saving the open project under a new
// name: the buttons of FrmNewFile and FrmFileSaveAs.
class ProjectCreator {
public:
    ProjectCreator(ProjectContext& context, ProjectSaver& saver) : m_context(context), m_saver(saver) { }

    // CreateProject: FrmNewFile's create button with the name typed.
    // `atStart`: the dialog was opened without any project, so giving up
    // after a failure is giving up the program, which is asked as on cancel.
    DialogStep CreateProject(const QString& name, bool atStart = false);

    // SaveAs: FrmFileSaveAs's save button with the name typed or chosen.
    DialogStep SaveAs(const QString& name);

    // FrmNewFile's cancel button; `atStart`: opened without any project, so
    // cancelling offers to end the program. True when the dialog closes.
    bool cancelNewProject(bool atStart);

private:
    // Writes and checks the new file; false when it failed, with the reason
    // in `reason` when a file could not be written (the check reports its
    // own findings).
    bool writeNewProject(const QString& path, const QString& source, bool fromTemplate, QString* workCopyName,
                         QString* reason);
    DialogStep saveInPlace();
    void closeOldProject(const QString& oldWorkCopy, const QString& newProjectFile);

    ProjectContext& m_context;
    ProjectSaver& m_saver;
};

}  // namespace varnox
