#include "FakeSerialPort.h"

#include "core/bus/Telegram.h"

#include <memory>

namespace varnox::test {

bool FakeSerialPort::open()
{
    ++openAttempts;
    setFailure(refuseWith);
    if (refuseWith != PortFailure::None)
        return false;
    m_open = true;
    openedOn << portNumber();
    return true;
}

void FakeSerialPort::write(const QByteArray& bytes)
{
    if (!m_open)
        return;
    written += bytes;
    if (responder)
        deliver(responder(bytes));
}

void FakeSerialPort::pullOut()
{
    if (!m_open)
        return;
    m_open = false;
    emit lost();
}

SerialPort* FakePortFactory::create(int line, QObject* parent)
{
    auto* port = new FakeSerialPort(parent);
    m_ports[line] = port;
    return port;
}

std::function<QByteArray(const QByteArray&)> interfaceAnsweringFrom(int from)
{
    auto queries = std::make_shared<int>(0);
    return [queries, from](const QByteArray& bytes) {
        if (bytes != interfacePresenceQuery())
            return QByteArray();
        ++*queries;
        return from > 0 && *queries >= from ? QByteArray("\x01#\x04") : QByteArray();
    };
}

}  // namespace varnox::test
