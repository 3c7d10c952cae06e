#pragma once

#include "core/shell/Message.h"

#include <QString>

namespace varnox {

// One writer per project: the program holds the lock of a project from the
// moment it makes the work copy until it discards it, and the command-line
// tool holds it while it writes. The lock is a file beside the project
// files that names the process holding it; a lock whose process is gone is
// taken over. Locks are kept per process by project name, so that taking a
// lock the process holds already is no refusal.
class ProjectLock {
public:
    // Who holds the lock of a project, as far as the lock file tells.
    enum class Holder { Nobody, Program, Tool, Unknown };

    // Takes the lock of `projectName` for this process. False when another
    // running process holds it; `refusal` then says who.
    static bool hold(const QString& projectName, Message* refusal = nullptr);
    static void release(const QString& projectName);
    static bool isHeld(const QString& projectName);

    // Who holds the lock now: another process, or Nobody (also when it is
    // this process, or a process that is gone).
    static Holder holder(const QString& projectName);

    static QString filePath(const QString& projectName);
    static Message inUseMessage(const QString& projectName, Holder holder);
};

} // namespace varnox
