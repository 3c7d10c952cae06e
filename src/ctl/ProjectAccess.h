#pragma once

#include "ctl/ExitStatus.h"

#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace varnox {
class Operator;
class ProjectEdit;
} // namespace varnox

namespace varnox::ctl {

// The project name of a command line: "Anlage" or "Anlage.mdb" for
// projekte/Anlage.mdb. Names the program would refuse for a project are
// refused here too (reported; nullopt).
std::optional<QString> projectName(const QString& word, Operator& op);

// A project to read: a private copy of its file, checked (and, for a file of
// an older version, upgraded) as the program checks every file it opens,
// while the project file itself stays as it is. Reading needs no lock: the
// program writes a project file only by replacing it in one piece.
class ProjectRead {
public:
    ProjectRead(const QString& projectName, Operator& op);

    QString name() const { return m_name; }
    // Done when the copy may be read; otherwise the reason has been told.
    ExitStatus status() const { return m_status; }
    QString path() const { return m_path; }
    QString projectFile() const { return m_projectFile; }
    qint64 size() const { return m_size; }
    std::optional<int> storedVersion() const { return m_storedVersion; }
    bool olderVersion() const { return m_olderVersion; } // the copy had to be upgraded

private:
    QTemporaryDir m_dir;
    QString m_name;
    QString m_path;
    QString m_projectFile;
    qint64 m_size = 0;
    std::optional<int> m_storedVersion;
    bool m_olderVersion = false;
    ExitStatus m_status = Unusable;
};

// Reads the project the command line names (`word`) with `work`, on a
// checked copy (ProjectRead). A name or a file that cannot be used ends the
// command with its status, the reason told.
ExitStatus readProject(const QString& word, Operator& op, const std::function<ExitStatus(const ProjectRead&)>& work);

// The status for a project that could not be opened for changes; `failedFile`
// when its file could not be copied, failed its check or is of an older version.
ExitStatus editRefusal(const ProjectEdit& edit, ExitStatus failedFile);

// Saves the project as the program's save does: the project file, then the
// additional copy of the setting "DubbleSave". A failed additional copy is
// told and ends the command with StoredWithNotice, as the project is saved.
ExitStatus saveProject(ProjectEdit& edit, Operator& op, ExitStatus status);

// What a change did: its status, and whether anything is to be saved.
struct EditResult {
    ExitStatus status = Done;
    bool stored = false;
};

// Opens the project for changes (ProjectEdit), runs `work` on its work copy
// and saves the project when the work stored anything. The status of the
// first thing that went wrong.
ExitStatus editProject(const QString& projectName, Operator& op, const std::function<EditResult(const QString&)>& work,
    bool allowUpgrade = false);

// The status, and the message on standard error, of an operation of the
// core that may have stored its work (`stored`) and still has something to say.
EditResult reported(const Outcome& outcome, bool stored);
EditResult reported(const Outcome& outcome);

} // namespace varnox::ctl
