#pragma once

#include <QString>

namespace varnox {

class Operator;

// A project changed from outside the program (the command-line tool), by
// the program's own rules: the project's lock is held for as long as this
// lives; the work is done on the work copy, made and checked as at every
// opening; and the project file is written only by save(), in one piece.
// Whatever is not saved is dropped again when this ends.
//
// A work copy with changes nobody saved (the program ended without closing
// the project) is never touched: its changes exist nowhere else, and only
// the program can offer them to the operator. Such a project is refused
// until the program has opened it and the changes were saved or dropped.
class ProjectEdit {
public:
    enum class State {
        Open, // the work copy may be changed and saved
        NoProject, // there is no such project file
        Locked, // the program or another tool has the project
        UnsavedWorkCopy, // a left-behind work copy holds unsaved changes
        Unusable, // the file could not be copied, or failed the check
        NeedsUpgrade, // the file is of an older version and may not be upgraded here
    };

    // Every refusal is told to `op`. With `allowUpgrade` a file of an older
    // version is upgraded on the work copy (upgraded() then says so).
    ProjectEdit(const QString& projectName, Operator& op, bool allowUpgrade = false);
    ~ProjectEdit();
    ProjectEdit(const ProjectEdit&) = delete;
    ProjectEdit& operator=(const ProjectEdit&) = delete;

    State state() const { return m_state; }
    QString workCopyPath() const;
    QString workCopyName() const { return m_workCopy; }
    QString projectFile() const { return m_projectFile; }
    bool upgraded() const { return m_upgraded; }

    // Writes the work copy over the project file; on failure the file is as
    // it was and the reason has been told.
    bool save();

private:
    State open(const QString& projectName, bool allowUpgrade);

    Operator& m_op;
    QString m_projectName;
    QString m_projectFile; // the file name in the project folder
    QString m_workCopy; // the work copy's name once it was made
    bool m_locked = false;
    bool m_upgraded = false;
    State m_state = State::NoProject;
};

} // namespace varnox
