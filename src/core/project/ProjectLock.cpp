#include "core/project/ProjectLock.h"

#include "core/lang/Texts.h"
#include "core/shell/ProgramFolder.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <map>
#include <memory>
#include <signal.h>

namespace varnox {
namespace {

// The locks this process holds, by project name; each is let go at the
// latest when the process ends.
std::map<QString, std::unique_ptr<QLockFile>>& heldLocks()
{
    static std::map<QString, std::unique_ptr<QLockFile>> locks;
    return locks;
}

const QLatin1String kToolName("varnoxctl");

} // namespace

QString ProjectLock::filePath(const QString& projectName)
{
    return ProgramFolder::projectsDir() + QStringLiteral("/.") + projectName + QStringLiteral(".lock");
}

bool ProjectLock::isHeld(const QString& projectName)
{
    return heldLocks().count(projectName) > 0;
}

bool ProjectLock::hold(const QString& projectName, Message* refusal)
{
    if (isHeld(projectName))
        return true;
    auto lock = std::make_unique<QLockFile>(filePath(projectName));
    // Stale only when its process is gone, never because of its age: the
    // program keeps a project open for months.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        heldLocks().emplace(projectName, std::move(lock));
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        // A folder in which no lock can be made at all stops nobody; whoever
        // writes there finds out soon enough.
        qWarning("the project %s cannot be locked", qPrintable(projectName));
        return true;
    }
    if (refusal)
        *refusal = inUseMessage(projectName, holder(projectName));
    return false;
}

void ProjectLock::release(const QString& projectName)
{
    heldLocks().erase(projectName);
}

ProjectLock::Holder ProjectLock::holder(const QString& projectName)
{
    if (isHeld(projectName) || !QFileInfo::exists(filePath(projectName)))
        return Holder::Nobody;
    QLockFile lock(filePath(projectName));
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return Holder::Unknown;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return Holder::Unknown;
    if (pid <= 0 || (::kill(pid_t(pid), 0) == -1 && errno == ESRCH))
        return Holder::Nobody;
    return QFileInfo(application).fileName() == kToolName ? Holder::Tool : Holder::Program;
}

Message ProjectLock::inUseMessage(const QString& projectName, Holder holder)
{
    const QString project = QLatin1Char('"') + projectName + QLatin1Char('"');
    QString text;
    switch (holder) {
    case Holder::Program:
        text = GetText(4010, "Das Projekt %1 ist im Programm geöffnet.").arg(project) + QStringLiteral("\r\n")
            + GetText(4011, "Es kann erst geändert werden, wenn das Programm es geschlossen hat.");
        break;
    case Holder::Tool:
        text = GetText(4012, "Das Projekt %1 wird gerade von varnoxctl geändert.").arg(project) + QStringLiteral("\r\n")
            + GetText(4013, "Versuchen Sie es in einem Augenblick noch einmal.");
        break;
    default:
        text = GetText(4014, "Das Projekt %1 wird gerade von einem anderen Programm bearbeitet.").arg(project)
            + QStringLiteral("\r\n") + GetText(4013, "Versuchen Sie es in einem Augenblick noch einmal.");
        break;
    }
    return Message { text, GetText(246, "Fehler"), MessageIcon::Exclamation, QString(), false };
}

} // namespace varnox
