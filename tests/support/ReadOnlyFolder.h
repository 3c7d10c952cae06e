#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox::test {

// Makes a folder refuse new, renamed and removed entries for as long as it
// lives: by its permissions, or, for a user whom permissions do not stop
// (root), by the file system's immutable flag. active() is false when
// neither works here; the test then has nothing to check.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : m_path(QFile::encodeName(path))
    {
        ::chmod(m_path.constData(), 0555);
        if (refusesEntries())
            return;
        m_fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (m_fd >= 0 && ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            m_immutable = ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }

    ~ReadOnlyFolder()
    {
        if (m_immutable) {
            int flags = 0;
            ::ioctl(m_fd, FS_IOC_GETFLAGS, &flags);
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
        if (m_fd >= 0)
            ::close(m_fd);
        ::chmod(m_path.constData(), 0755);
    }

    bool active() const { return refusesEntries(); }

private:
    bool refusesEntries() const
    {
        const QByteArray probe = m_path + "/.probe";
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }

    QByteArray m_path;
    int m_fd = -1;
    bool m_immutable = false;
};

}  // namespace varnox::test
