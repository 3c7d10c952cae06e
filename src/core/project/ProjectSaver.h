#pragma once

#include "core/shell/Message.h"

#include <QString>

namespace varnox {

struct ProjectContext;

enum class Reload { Unchanged, Fresh, Failed };

// CopyBack: writes the work copy over its project file without ever leaving
// a half-written project file, and gives the file the work copy's last-write
// time. Returns the project file's path, or an empty text with the reason in
// `error` when the file could not be written (it is then unchanged).
QString CopyBack(const QString& workCopyName, QString* error = nullptr);

// Saving the open project: the save button, and the save question when a
// project is closed, reloaded or the program ends. A save that fails is
// reported and never costs the changes: the work copy then stays.
class ProjectSaver {
public:
    explicit ProjectSaver(ProjectContext& context) : m_context(context) { }

    // Save: asks the save question, whether or not anything changed.
    void Save();

    // AskSaveAndClose: offers to save unsaved changes, then closes the
    // project. False when the save failed: the work copy is then left in the
    // project folder, so the next opening offers its changes again.
    bool AskSaveAndClose();

    // AskSaveAndReload: offers to save unsaved changes; after Yes or No the
    // work copy is made anew from the project file and checked (Fresh).
    // Unchanged: there was nothing to save or drop. Failed: the save failed,
    // or the project file cannot be used; both were reported, and the work
    // copy is as it was, changes included.
    Reload AskSaveAndReload();

    // Writes the open project without a question: CopyBack, the additional
    // save, SetSaved(true). False when it failed (reported).
    bool saveNow();

    // CopyBack, with the reason reported when it fails; `keepsWorkCopy`: the
    // project is being closed, so the message tells where the changes stay.
    bool copyBackOrReport(const QString& workCopyName, bool keepsWorkCopy);

    static Message saveQuestion(const QString& workCopyName);

private:
    ProjectContext& m_context;
};

}  // namespace varnox
