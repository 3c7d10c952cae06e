#include "core/project/SafeWrite.h"

#include "core/project/FileCopy.h"
#include "core/project/Database.h"
#include "core/project/FileTimes.h"
#include "core/shell/FileError.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox {

namespace {

std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A failure with the system's error number behind it, so that the operator
// is told the reason in words of the program's own language.
class SystemFailure : public std::runtime_error {
public:
    SystemFailure(int errnum, const std::string& what) : std::runtime_error(what), m_errnum(errnum) { }
    int errnum() const { return m_errnum; }

private:
    int m_errnum;
};

[[noreturn]] void failWithSystemError(const char* what)
{
    const int errnum = errno;
    throw SystemFailure(errnum, std::string(what) + ": " + systemError().toStdString());
}

// A symbolic link keeps pointing where it did: the file it names is replaced.
QString realTarget(const QString& target)
{
    const QFileInfo info(target);
    return info.isSymLink() ? info.symLinkTarget() : target;
}

void copyDatabase(const QString& source, const QString& temp)
{
    // Made here first, so that a folder that takes no new file says why.
    FileDescriptor made(::open(native(temp).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!made.valid())
        failWithSystemError("create");
    made.close();
    SQLite::Database from(native(source), SQLite::OPEN_READWRITE);
    SQLite::Database to(native(temp), SQLite::OPEN_READWRITE);
    try {
        // The temporary file is thrown away on any failure, so it needs no
        // journal; it is flushed once as a whole below.
        to.exec("PRAGMA journal_mode = OFF");
        to.exec("PRAGMA synchronous = OFF");
        SQLite::Backup backup(to, from);
        if (backup.executeStep(-1) != SQLITE_DONE)
            throw std::runtime_error("the project could not be read completely");
    } catch (const SQLite::Exception& e) {
        throw SystemFailure(systemErrorOf(e, to.getHandle()), e.what());
    }
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
            throw SystemFailure(EISDIR, "a folder has the name of the project file");
        copyDatabase(source, temp);
        finishFile(temp, real, source, time);
        if (::rename(native(temp).c_str(), native(real).c_str()) != 0)
            failWithSystemError("rename");
        syncFolder(QFileInfo(real).absolutePath());
        return true;
    } catch (const std::exception& e) {
        removeDatabaseFiles(temp);
        const auto* system = dynamic_cast<const SystemFailure*>(&e);
        if (error)
            *error = fileErrorText(system ? system->errnum() : systemErrorOf(e), QString::fromUtf8(e.what()));
        return false;
    }
}

}  // namespace varnox
