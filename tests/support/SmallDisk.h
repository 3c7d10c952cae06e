#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/mount.h>

namespace varnox::test {

// A small file system of its own at `path`, which fill() fills to the last
// byte: a real full disk. Mounting it needs a right that a developer's
// machine or a container run as root gives and other machines may not;
// mounted() says whether it could be made.
class SmallDisk {
public:
    explicit SmallDisk(const QString& path, const char* size = "size=256k")
        : m_path(QFile::encodeName(path))
    {
        m_mounted = ::mount("tmpfs", m_path.constData(), "tmpfs", MS_NOSUID | MS_NODEV, size) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    void fill() const
    {
        QFile ballast(QFile::decodeName(m_path) + QStringLiteral("/ballast"));
        if (!ballast.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (ballast.write(block) == block.size()) { }
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
};

} // namespace varnox::test
