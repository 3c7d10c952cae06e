#pragma once

#include "core/shell/Message.h"

#include <QLockFile>

namespace varnox {

// One run of the program per program folder. The lock is a file in the
// folder that names the process holding it; a lock left behind by a run that
// died is taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString& folder);

    // False when the folder cannot be locked: another running program holds
    // it (heldByOther()), or no lock can be made there at all, with the
    // reason in failure(). Either way the program must not run on it.
    bool acquire();
    bool heldByOther() const { return m_lock.error() == QLockFile::LockFailedError; }
    QString failure() const;

    // Gives the folder free before the process ends without unwinding.
    void release() { m_lock.unlock(); }

    static QString fileName() { return QStringLiteral(".varnox.lock"); }
    // What a second start shows before it ends.
    static Message secondInstanceMessage();

private:
    QLockFile m_lock;
};

}  // namespace varnox
