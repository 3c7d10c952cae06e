#include "core/project/FileTimes.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace varnox {

namespace {

bool modificationTime(const QString& path, timespec* time)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    *time = info.st_mtim;
    return true;
}

}  // namespace

QDateTime LastWriteTime(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const QDateTime t = info.lastModified();
    return t.addMSecs(-t.time().msec());
}

bool sameLastWrite(const QString& a, const QString& b)
{
    timespec ta {}, tb {};
    return modificationTime(a, &ta) && modificationTime(b, &tb) && ta.tv_sec == tb.tv_sec && ta.tv_nsec == tb.tv_nsec;
}

bool takeLastWrite(int fd, const QString& from)
{
    timespec times[2] {};
    if (!modificationTime(from, &times[1]))
        return false;
    times[0].tv_nsec = UTIME_OMIT;
    return ::futimens(fd, times) == 0;
}

}  // namespace varnox
