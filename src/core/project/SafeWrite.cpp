#include "core/project/SafeWrite.h"

#include "core/project/FileCopy.h"
#include "core/project/FileTimes.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox {

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

[[noreturn]] void failWithSystemError(const char* what)
{
    throw std::runtime_error(std::string(what) + ": " + systemError().toStdString());
}

// A symbolic link keeps pointing where it did: the file it names is replaced.
QString realTarget(const QString& target)
{
    const QFileInfo info(target);
    return info.isSymLink() ? info.symLinkTarget() : target;
}

void copyDatabase(const QString& source, const QString& temp)
{
    SQLite::Database from(native(source), SQLite::OPEN_READWRITE);
    SQLite::Database to(native(temp), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    // The temporary file is thrown away on any failure, so it needs no journal;
    // it is flushed once as a whole below.
    to.exec("PRAGMA journal_mode = OFF");
    to.exec("PRAGMA synchronous = OFF");
    SQLite::Backup backup(to, from);
    if (backup.executeStep(-1) != SQLITE_DONE)
        throw std::runtime_error("the project could not be read completely");
}

void finishFile(const QString& temp, const QString& target, const QString& source, SnapshotTime time)
{
    FileDescriptor fd(::open(native(temp).c_str(), O_RDWR | O_CLOEXEC));
    if (!fd.valid())
        failWithSystemError("open");
    struct stat old { };
    if (::stat(native(target).c_str(), &old) == 0 && ::fchmod(fd.get(), old.st_mode & 07777) != 0)
        failWithSystemError("chmod");
    if (time == SnapshotTime::KeepSource && !takeLastWrite(fd.get(), source))
        failWithSystemError("set time");
    if (::fsync(fd.get()) != 0)
        failWithSystemError("fsync");
    if (!fd.close())
        failWithSystemError("close");
}

void syncFolder(const QString& folder)
{
    // The rename has happened; a folder that cannot be flushed only leaves the
    // moment the new name is durable to the file system.
    FileDescriptor fd(::open(native(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

}  // namespace

QString snapshotTempPath(const QString& target)
{
    const QFileInfo info(realTarget(target));
    return info.dir().filePath(QStringLiteral("~hlv") + info.fileName() + QStringLiteral(".sav"));
}

bool writeSnapshot(const QString& source, const QString& target, SnapshotTime time, QString* error)
{
    const QString real = realTarget(target);
    const QString temp = snapshotTempPath(real);
    removeDatabaseFiles(temp);  // left by a save that was killed
    try {
        if (QFileInfo(real).isDir())
            throw std::runtime_error("a folder has the name of the project file");
        copyDatabase(source, temp);
        finishFile(temp, real, source, time);
        if (::rename(native(temp).c_str(), native(real).c_str()) != 0)
            failWithSystemError("rename");
        syncFolder(QFileInfo(real).absolutePath());
        return true;
    } catch (const std::exception& e) {
        removeDatabaseFiles(temp);
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
}

}  // namespace varnox
