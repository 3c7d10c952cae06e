#include "core/shell/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox {

bool writeAll(int fd, const char* data, qsizetype size)
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

bool replaceFileContents(const QString& path, const QByteArray& bytes, int newFileMode, int* errnum)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QByteArray real = QFile::encodeName(target);
    const QByteArray temp = QFile::encodeName(
        QFileInfo(target).dir().filePath(QStringLiteral(".~") + QFileInfo(target).fileName() + QStringLiteral(".new")));
    struct stat old { };
    const mode_t mode = ::stat(real.constData(), &old) == 0 ? (old.st_mode & 07777) : mode_t(newFileMode);

    ::unlink(temp.constData());  // left by a write that was killed
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool ok = fd >= 0 && ::fchmod(fd, mode) == 0 && writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    int error = errno;
    if (fd >= 0 && ::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.constData(), real.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        if (fd >= 0)
            ::unlink(temp.constData());
        if (errnum)
            *errnum = error;
        return false;
    }
    const int folder
        = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

}  // namespace varnox
