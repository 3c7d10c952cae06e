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

// The error of the call that just failed; never 0, which would read as success.
int lastError()
{
    return errno != 0 ? errno : EIO;
}

// Fills `temp` with the bytes of `source` and its last-write time, flushed
// to the disk; the mode of an older copy at `target` is kept. 0 or the
// system's error number of the step that failed.
int writeTemporary(const QString& source, const QString& temp, const QString& target)
{
    FileDescriptor in(::open(nativePath(source).constData(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return lastError();
    FileDescriptor out(::open(nativePath(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!out.valid() || !copyBytes(in.get(), out.get()) || !takeLastWrite(out.get(), source))
        return lastError();
    struct stat old { };
    if (::stat(nativePath(target).constData(), &old) == 0 && S_ISREG(old.st_mode)
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
    ::unlink(nativePath(temp).constData()); // left by a save that was killed
    int error = writeTemporary(source, temp, target);
    if (error == 0 && ::rename(nativePath(temp).constData(), nativePath(target).constData()) != 0)
        error = lastError();
    if (error != 0) {
        ::unlink(nativePath(temp).constData());
        return error;
    }
    FileDescriptor folder(
        ::open(nativePath(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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
