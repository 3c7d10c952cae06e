#pragma once

#include "core/shell/Message.h"

#include <QStringList>

namespace varnox {

class ProjectSaver;
struct ProjectContext;

// How the operator gets to a project: after the login, at a start with a
// project on the command line, and through the project dialog FrmFileOpen.
class ProjectOpener {
public:
    ProjectOpener(ProjectContext& context, ProjectSaver& saver) : m_context(context), m_saver(saver) { }

    // The project files "*.mdb" of the project folder, sorted; the folder is
    // created when it is missing.
    static QStringList projectFiles();

    // OpenProjectStart: after the first login, or for the project given on
    // the command line (its work copy made and checked already).
    void OpenProjectStart();

    // OpenSelected: the open button of the project dialog and a double click
    // in its list. True when the project is open and the dialog may close.
    bool OpenSelected(const QString& selectedFile);

    // The project dialog's cancel button: true when the dialog closes.
    bool cancelProjectDialog();

    static Message noProjectFileMessage();

private:
    bool openOther(const QString& selectedFile, bool* resumed);
    bool reloadCurrent();

    ProjectContext& m_context;
    ProjectSaver& m_saver;
};

}  // namespace varnox
