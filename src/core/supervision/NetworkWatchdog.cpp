#include "core/supervision/NetworkWatchdog.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Clock.h"
#include "core/supervision/StoredFunction.h"
#include "core/supervision/SupervisionSettings.h"

#include <QTcpSocket>

namespace varnox {
namespace {

const QByteArray kGreeting("Hallo Client!");

} // namespace

NetworkWatchdog::NetworkWatchdog(const SupervisionSettings& settings, BusPorts& ports, DailyProtocol& protocol,
    const Clock& clock, std::function<QString()> workCopyPath, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_ports(ports)
    , m_protocol(protocol)
    , m_clock(clock)
    , m_workCopyPath(std::move(workCopyPath))
    , m_sender([this] { return sendTick(); })
    , m_checker([this] { return checkTick(); })
{
    connect(&m_server, &QTcpServer::newConnection, this, &NetworkWatchdog::onNewConnection);
}

NetworkWatchdog::~NetworkWatchdog()
{
    stop();
}

void NetworkWatchdog::setPort(quint16 port)
{
    if (port == m_port)
        return;
    m_port = port;
    m_server.close();
}

void NetworkWatchdog::start()
{
    m_protocol.write(GetText(3703, "*** Watchdog über Netzwerk: Feature gestartet."));
    restart();
}

void NetworkWatchdog::restart()
{
    ensureListening();
    m_sender.wake(kSendMs);
    m_pending = false;
    m_countdown = countdownStart();
    m_checkDue = m_clock.now().addMSecs(kCheckMs);
    m_checker.wake(kCheckMs);
}

void NetworkWatchdog::acknowledge()
{
    m_pending = false;
    restart();
}

void NetworkWatchdog::stop()
{
    dropPeer();
    m_server.close();
}

int NetworkWatchdog::countdownStart() const
{
    return qMax(0, m_settings.networkWatchdog.interval) / 5;
}

// tmrWDoNWSent: greets the peer; a port that could not be had is tried again.
std::optional<int> NetworkWatchdog::sendTick()
{
    if (!m_settings.networkWatchdog.on) {
        stop();
        return std::nullopt;
    }
    ensureListening();
    if (m_peer && m_peer->bytesToWrite() < kUnsentLimit && m_peer->write(kGreeting) != kGreeting.size())
        dropPeer(); // it listens again for the next peer
    return kSendMs;
}

// tmrWDoNWRecError: a failure when nothing arrived for countdown + 1 checks.
std::optional<int> NetworkWatchdog::checkTick()
{
    if (!m_settings.networkWatchdog.on)
        return std::nullopt;
    const QDateTime now = m_clock.now();
    if (now < m_checkDue)
        return int(now.msecsTo(m_checkDue));
    if (!m_pending) {
        m_countdown = countdownStart();
        m_pending = true;
    } else if (m_countdown >= 2) {
        --m_countdown;
    } else {
        m_countdown = countdownStart();
        failureAction();
    }
    m_checkDue = now.addMSecs(kCheckMs);
    return kCheckMs;
}

void NetworkWatchdog::failureAction()
{
    const QString line = GetText(3704, "*** Watchdog über Netzwerk: Kein Empfang vom anderen PC.");
    m_protocol.write(line);
    if (m_settings.errorBus.on) {
        const QString path = m_workCopyPath ? m_workCopyPath() : QString();
        const bool sent = sendStoredFunction(m_ports, path, m_settings.errorBus.text);
        m_protocol.write(
            line + (sent ? GetText(3705, " Funktion gesendet.") : GetText(3701, " Funktion nicht gesendet.")));
    }
    if (m_settings.errorText.on)
        emit failureMessage(m_settings.errorText.text);
}

bool NetworkWatchdog::ensureListening()
{
    if (m_server.isListening())
        return true;
    if (m_server.listen(QHostAddress::Any, m_port)) {
        m_listenFailureWritten = false;
        return true;
    }
    // Another program holds the port: said once, then tried again every second.
    if (!m_listenFailureWritten)
        m_protocol.write(GetText(3706, "*** Watchdog über Netzwerk: Port ") + QString::number(m_port)
            + GetText(3707, " kann nicht geöffnet werden: ") + m_server.errorString());
    m_listenFailureWritten = true;
    return false;
}

void NetworkWatchdog::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (!m_settings.networkWatchdog.on) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        dropPeer();
        m_peer = socket;
        socket->setReadBufferSize(kReadBufferBytes);
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, &NetworkWatchdog::onData);
        connect(socket, &QTcpSocket::disconnected, this, &NetworkWatchdog::onPeerGone);
        connect(socket, &QTcpSocket::errorOccurred, this, &NetworkWatchdog::onPeerGone);
        emit peerAlive();
    }
    if (m_peer && m_peer->bytesAvailable() > 0)
        onData();
}

// Any data is a sign of life; what it says does not matter.
void NetworkWatchdog::onData()
{
    if (!m_peer)
        return;
    char discard[kReadBufferBytes];
    while (m_peer->read(discard, sizeof discard) > 0) { }
    m_pending = false;
    emit peerAlive();
}

void NetworkWatchdog::onPeerGone()
{
    if (QObject::sender() == m_peer)
        dropPeer();
}

void NetworkWatchdog::dropPeer()
{
    QTcpSocket* socket = m_peer;
    m_peer = nullptr;
    if (!socket)
        return;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

qint64 NetworkWatchdog::bytesKept() const
{
    return m_peer ? m_peer->bytesAvailable() + m_peer->bytesToWrite() : 0;
}

int NetworkWatchdog::connectionsKept() const
{
    return int(m_server.findChildren<QTcpSocket*>().size());
}

} // namespace varnox
