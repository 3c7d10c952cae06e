#include "core/project/FileCopy.h"

#include "core/project/FileTimes.h"
#include "core/shell/ReplaceFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox {

namespace {

const char* const kSideFiles[] = {"-journal", "-wal", "-shm"};

}  // namespace

QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

bool copyBytes(int in, int out)
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

FileDescriptor::~FileDescriptor() { close(); }

bool FileDescriptor::close()
{
    if (m_fd < 0)
        return true;
    const int rc = ::close(m_fd);
    m_fd = -1;
    return rc == 0;
}

QString systemError() { return qt_error_string(errno); }

bool isRegularFile(const QString& path)
{
    struct stat info { };
    return ::stat(nativePath(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool copyFileKeepingTime(const QString& from, const QString& to, QString* error, int* errnum)
{
    removeDatabaseFiles(to);
    bool ok = false;
    {
        FileDescriptor in(::open(nativePath(from).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        struct stat info { };
        if (in.valid() && ::fstat(in.get(), &info) == 0 && !S_ISREG(info.st_mode))
            errno = EISDIR;  // a folder, a pipe or a device is no project file
        else if (in.valid()) {
            FileDescriptor out(::open(nativePath(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            ok = out.valid() && copyBytes(in.get(), out.get()) && takeLastWrite(out.get(), from) && out.close();
        }
    }
    if (!ok) {
        if (errnum)
            *errnum = errno;
        if (error)
            *error = systemError();
        QFile::remove(to);
    }
    return ok;
}

bool sameContent(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 16) != fb.read(1 << 16))
            return false;
    }
    return true;
}

void removeDatabaseFiles(const QString& path)
{
    QFile::remove(path);
    removeSideFiles(path);
}

void removeSideFiles(const QString& path)
{
    for (const char* side : kSideFiles)
        QFile::remove(path + QLatin1String(side));
}

bool hasSideFiles(const QString& path)
{
    for (const char* side : kSideFiles)
        if (QFile::exists(path + QLatin1String(side)))
            return true;
    return false;
}

}  // namespace varnox
