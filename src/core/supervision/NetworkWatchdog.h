#pragma once

#include "core/shell/TimerDriver.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace varnox {

class BusPorts;
class Clock;
class DailyProtocol;
struct SupervisionSettings;

// Two PCs watch each other over TCP: while the feature is on, the program
// listens on its port (every interface), greets its peer with
// "Hallo Client!" every second (tmrWDoNWSent) and expects data back. Every
// five seconds (tmrWDoNWRecError) it checks whether anything arrived; after
// about `delay` seconds of silence it reports a failure: a protocol line,
// optionally a function on the bus and a message on the screen, and again
// every `delay` seconds while the silence lasts.
//
// One peer at a time: a peer that connects takes the place of the one
// before, so that a peer that restarted after vanishing without a word is
// heard again at once. What peers send is read and thrown away as it
// arrives, and no more greetings are queued for a peer that reads nothing,
// so memory stays flat whatever a peer does; nothing ever waits on a socket.
class NetworkWatchdog : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kProgramPort = 12345;
    static constexpr qint64 kReadBufferBytes = 4096; // received bytes held at most before they are dropped
    static constexpr qint64 kUnsentLimit = 4096; // greetings queued at most for a peer
    static constexpr int kSendMs = 1000;
    static constexpr int kCheckMs = 5000;

    NetworkWatchdog(const SupervisionSettings& settings, BusPorts& ports, DailyProtocol& protocol, const Clock& clock,
        std::function<QString()> workCopyPath, QObject* parent = nullptr);
    ~NetworkWatchdog() override;

    // The port to listen on from the next start: the program's 12345, or 0
    // for one the system picks (tests).
    void setPort(quint16 port);
    quint16 listeningPort() const { return m_server.isListening() ? m_server.serverPort() : 0; }

    // "Feature gestartet", then restart.
    void start();
    // Listens, greets every second and checks from now on, counting afresh.
    void restart();
    // The error window's OK: the silence counts afresh.
    void acknowledge();
    // Drops the peer and stops listening (feature off, program end).
    void stop();

    TimerProcedure& greeter() { return m_sender; } // tmrWDoNWSent
    TimerProcedure& receptionCheck() { return m_checker; } // tmrWDoNWRecError

    bool peerConnected() const { return m_peer != nullptr; }
    bool receptionPending() const { return m_pending; }
    int countdown() const { return m_countdown; }
    // Bytes held for the peer, received and still to send.
    qint64 bytesKept() const;
    // Connections held open, the current peer's included.
    int connectionsKept() const;

signals:
    // The failure message is to be shown (frmErrMessage).
    void failureMessage(const QString& text);
    // A peer connected or sent: an open error window closes.
    void peerAlive();

private:
    class Procedure final : public TimerProcedure {
    public:
        explicit Procedure(std::function<std::optional<int>()> step)
            : m_step(std::move(step))
        {
        }
        std::optional<int> tick() override { return m_step(); }
        void wake(int ms) { requestWake(ms); }

    private:
        std::function<std::optional<int>()> m_step;
    };

    std::optional<int> sendTick();
    std::optional<int> checkTick();
    void failureAction();
    bool ensureListening();
    void onNewConnection();
    void onData();
    void onPeerGone();
    void dropPeer();
    int countdownStart() const;

    const SupervisionSettings& m_settings;
    BusPorts& m_ports;
    DailyProtocol& m_protocol;
    const Clock& m_clock;
    std::function<QString()> m_workCopyPath;
    quint16 m_port = kProgramPort;

    QTcpServer m_server;
    QPointer<QTcpSocket> m_peer;
    bool m_pending = false; // nothing arrived since the last check
    int m_countdown = 0;
    QDateTime m_checkDue;
    bool m_listenFailureWritten = false;
    Procedure m_sender;
    Procedure m_checker;
};

} // namespace varnox
