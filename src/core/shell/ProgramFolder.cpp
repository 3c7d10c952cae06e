#include "core/shell/ProgramFolder.h"

#include "core/lang/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox {

QString ProgramFolder::root()
{
    const QString fromEnv = qEnvironmentVariable("VARNOX_HOME");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(QDir(fromEnv).absolutePath());
    return QDir::homePath() + QStringLiteral("/.local/share/varnox");
}

QString ProgramFolder::file(const QString& name) { return root() + QLatin1Char('/') + name; }
QString ProgramFolder::configFile() { return file(QStringLiteral("VARNOXCF.INI")); }
QString ProgramFolder::templateFile() { return file(QStringLiteral("default.$$$")); }
QString ProgramFolder::projectsDir() { return file(QStringLiteral("projekte")); }
QString ProgramFolder::logDir() { return file(QStringLiteral("log")); }
QString ProgramFolder::timeDir() { return file(QStringLiteral("time")); }
QString ProgramFolder::textsDir() { return file(QStringLiteral("Texte")); }

namespace {

// Like mkdir -p, with the reason when a part cannot be made.
int makeFolders(const QByteArray& path)
{
    struct stat info { };
    if (::stat(path.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    const qsizetype slash = path.lastIndexOf('/');
    if (slash > 0)
        if (const int error = makeFolders(path.left(slash)))
            return error;
    return ::mkdir(path.constData(), 0777) == 0 || errno == EEXIST ? 0 : errno;
}

// Writes a block into the folder and removes it again: a full disk shows
// here, and not half-way through the program's own files.
int probeWriting(const QString& folder)
{
    const QByteArray probe
        = QFile::encodeName(folder + QStringLiteral("/.varnox-probe-%1").arg(QCoreApplication::applicationPid()));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    const QByteArray block(4096, '\0');
    errno = 0;
    int error = 0;
    if (::write(fd, block.constData(), size_t(block.size())) != block.size())
        error = errno != 0 ? errno : ENOSPC;  // a short write: no room for the rest
    else if (::fsync(fd) != 0)
        error = errno;
    ::close(fd);
    ::unlink(probe.constData());
    return error;
}

}  // namespace

int ProgramFolder::prepare()
{
    if (const int error = makeFolders(QFile::encodeName(root())))
        return error;
    return probeWriting(root());
}

Message ProgramFolder::unusableMessage(const QString& reason)
{
    const QLatin1String newLine("\r\n");
    return {.text = GetText(3403, "Der Programmordner %1 kann nicht benutzt werden.").arg(root()) + newLine + reason
                + newLine + GetText(3404, "Das Programm wird beendet."),
            .title = GetText(246, "Fehler"),
            .icon = MessageIcon::Critical,
            .focus = {},
            .selectAll = false};
}

}  // namespace varnox
