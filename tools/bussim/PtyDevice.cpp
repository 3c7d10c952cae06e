#include "PtyDevice.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace varnox::bussim {

PtyDevice::PtyDevice(QString linkPath, QObject* parent)
    : QObject(parent)
    , m_link(std::move(linkPath))
{
}

PtyDevice::~PtyDevice() { pullOut(); }

bool PtyDevice::plugIn()
{
    if (isPresent())
        return true;
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        m_master = m_slave = -1;
        return false;
    }
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_slaveName = QString::fromLocal8Bit(name);
    QFile::remove(m_link);
    if (::symlink(name, QFile::encodeName(m_link).constData()) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        pullOut();
        return false;
    }
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyDevice::onReadable);
    return true;
}

void PtyDevice::pullOut()
{
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    QFile::remove(m_link);
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_master = m_slave = -1;
}

bool PtyDevice::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (isPresent() && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;  // nobody reads and the buffer is full: the rest is lost, as on a wire
    }
    return done == bytes.size();
}

void PtyDevice::onReadable()
{
    char buffer[512];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n > 0)
        emit received(QByteArray(buffer, int(n)));
}

}  // namespace varnox::bussim
