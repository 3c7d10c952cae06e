#include "core/supervision/AdditionalSave.h"

#include "core/lang/Texts.h"
#include "core/project/FileCopy.h"
#include "core/project/FileTimes.h"
#include "core/project/ProjectPaths.h"
#include "core/project/SafeWrite.h"
#include "core/supervision/SupervisionSettings.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox {
namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// The error of the call that just failed; never 0, which would read as success.
int lastError()
{
    return errno != 0 ? errno : EIO;
}

bool writeAll(int fd, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool copyContent(int in, int out)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || !writeAll(out, buffer, got))
            return false;
    }
}

// Fills `temp` with the bytes of `source` and its last-write time, flushed
// to the disk; the mode of an older copy at `target` is kept. 0 or the
// system's error number of the step that failed.
int writeTemporary(const QString& source, const QString& temp, const QString& target)
{
    FileDescriptor in(::open(native(source).constData(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return lastError();
    FileDescriptor out(::open(native(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!out.valid() || !copyContent(in.get(), out.get()) || !takeLastWrite(out.get(), source))
        return lastError();
    struct stat old { };
    if (::stat(native(target).constData(), &old) == 0 && S_ISREG(old.st_mode)
        && ::fchmod(out.get(), old.st_mode & 07777) != 0)
        return lastError();
    if (::fsync(out.get()) != 0 || !out.close())
        return lastError();
    return 0;
}

// The copy under its temporary name, then renamed over the target; 0 or the
// system's error number.
int copyAtomically(const QString& source, const QString& target)
{
    const QString temp = snapshotTempPath(target);
    ::unlink(native(temp).constData()); // left by a save that was killed
    int error = writeTemporary(source, temp, target);
    if (error == 0 && ::rename(native(temp).constData(), native(target).constData()) != 0)
        error = lastError();
    if (error != 0) {
        ::unlink(native(temp).constData());
        return error;
    }
    FileDescriptor folder(
        ::open(native(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return 0;
}

} // namespace

Message additionalSaveFailure(const QString& reason)
{
    return Message { GetText(3762, "Die zusätzliche Speicherung kann nicht durchgeführt werden.")
            + QStringLiteral("\r\n") + reason,
        GetText(3753, "Zusätzliche Speicherung"), MessageIcon::Exclamation, {}, false };
}

bool folderAccessible(const QString& folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isExecutable();
}

QString folderInaccessibleText()
{
    return GetText(3760, "Kein Zugriff auf das eingetragene Verzeichnis oder es existiert nicht!");
}

Outcome AdditionalSave(const QString& workCopyName, const SettingRow& setting)
{
    if (!setting.on)
        return Outcome::ok();
    const QString folder = setting.text;
    if (folder.isEmpty())
        return Outcome::fail(additionalSaveFailure(GetText(3763, "Es ist kein Ort angegeben worden!")));
    if (!folderAccessible(folder))
        return Outcome::fail(additionalSaveFailure(folderInaccessibleText()));
    const QString target = QFileInfo(folder).absoluteFilePath() + QLatin1Char('/') + projectNameOf(workCopyName)
        + QStringLiteral(".mdb");
    const int error = copyAtomically(workCopyPath(workCopyName), target);
    switch (error) {
    case 0:
        return Outcome::ok();
    case EACCES:
    case EPERM:
    case EROFS:
        return Outcome::fail(
            additionalSaveFailure(GetText(3764, "Der Zugriff auf das Verzeichnis/Datei wurde verweigert.")));
    case ENOENT:
    case ENOTDIR:
        return Outcome::fail(additionalSaveFailure(folderInaccessibleText()));
    default:
        return Outcome::fail(additionalSaveFailure(
            GetText(575, "Fehler ") + QString::number(error) + QStringLiteral(": ") + qt_error_string(error)));
    }
}

} // namespace varnox
