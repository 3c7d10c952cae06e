#pragma once

#include "core/bus/SerialPort.h"

#include <QList>
#include <QTimer>
#include <functional>
#include <utility>

namespace varnox::test {

// A port in memory: records what is written and how it is set, and lets the
// test decide whether it opens and what comes back. A responder sees each
// write and returns the bytes the other end answers with; they are handed
// over at once, one at a time, unless the port holds them back as a port
// does whose program is busy elsewhere: then only readPending() (or the
// test, with announcePending()) hands them over, or it sends them a moment
// later, as over a wire, from the event loop.
class FakeSerialPort final : public SerialPort {
    Q_OBJECT
public:
    using SerialPort::SerialPort;

    bool open() override
    {
        ++openAttempts;
        setFailure(refuseWith, refuseGroup);
        if (refuseWith != PortFailure::None)
            return false;
        m_open = true;
        openedOn << portNumber();
        return true;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void setDtr(bool on) override { dtr = on; }
    void setRts(bool on) override { rts = on; }
    void write(const QByteArray& bytes) override
    {
        if (!m_open)
            return;
        written += bytes;
        if (!responder)
            return;
        const QByteArray reply = responder(bytes);
        if (holdReplies)
            m_pending += reply;
        else if (replyLater && !reply.isEmpty())
            QTimer::singleShot(2, this, [this, reply] { deliver(reply); });
        else
            deliver(reply);
    }
    void readPending() override { announcePending(); }
    void announcePending() { deliver(std::exchange(m_pending, {})); }
    QString deviceName() const override { return QStringLiteral("/dev/fake%1").arg(portNumber()); }

    // The other end sends.
    void inject(const QByteArray& bytes) { deliver(bytes); }
    // The device goes away while open.
    void pullOut()
    {
        if (m_open) {
            m_open = false;
            emit lost();
        }
    }

    PortFailure refuseWith = PortFailure::None;  // open() fails while set
    QString refuseGroup;                         // with PermissionDenied: the group to join
    std::function<QByteArray(const QByteArray&)> responder;
    bool holdReplies = false;
    bool replyLater = false;
    QByteArray written;
    QList<int> openedOn;  // the COM number of every successful open
    int openAttempts = 0;
    bool dtr = false;
    bool rts = false;

private:
    bool m_open = false;
    QByteArray m_pending;
};

class FakePortFactory final : public SerialPortFactory {
public:
    SerialPort* create(int line, QObject* parent) override { return m_ports[line] = new FakeSerialPort(parent); }
    FakeSerialPort& port(int line) { return *m_ports.at(line); }

private:
    QList<FakeSerialPort*> m_ports = QList<FakeSerialPort*>(17, nullptr);
};

}  // namespace varnox::test
