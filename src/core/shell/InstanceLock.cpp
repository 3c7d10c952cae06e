#include "core/shell/InstanceLock.h"

#include "core/lang/Texts.h"

namespace varnox {

InstanceLock::InstanceLock(const QString& folder) : m_lock(folder + QLatin1Char('/') + fileName())
{
    // A lock is stale only when its process is gone, never because of its age:
    // the program runs for months.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        return false;
    qWarning("the program folder cannot be locked; a second start will not be noticed");
    return true;
}

Message InstanceLock::secondInstanceMessage()
{
    const QString text = GetText(376, "Die Anwendung wurde bereits gestartet.") + QStringLiteral("\r\n")
        + GetText(377, "Ein mehrfaches gleichzeitiges Ausführen ist ") + GetText(378, "nicht möglich!");
    return {.text = text, .title = GetText(379, "Achtung!"), .icon = MessageIcon::Critical, .focus = {}, .selectAll = false};
}

}  // namespace varnox
