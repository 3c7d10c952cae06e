#include "core/shell/InstanceLock.h"

#include "core/lang/Texts.h"
#include "core/shell/FileError.h"

#include <cerrno>

namespace varnox {

InstanceLock::InstanceLock(const QString& folder) : m_lock(folder + QLatin1Char('/') + fileName())
{
    // A lock is stale only when its process is gone, never because of its age:
    // the program runs for months.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::acquire() { return m_lock.tryLock(0); }

QString InstanceLock::failure() const
{
    return m_lock.error() == QLockFile::PermissionError ? fileErrorReason(EACCES) : fileErrorReason(0);
}

Message InstanceLock::secondInstanceMessage()
{
    const QString text = GetText(376, "Die Anwendung wurde bereits gestartet.") + QStringLiteral("\r\n")
        + GetText(377, "Ein mehrfaches gleichzeitiges Ausführen ist ") + GetText(378, "nicht möglich!");
    return {.text = text, .title = GetText(379, "Achtung!"), .icon = MessageIcon::Critical, .focus = {}, .selectAll = false};
}

}  // namespace varnox
