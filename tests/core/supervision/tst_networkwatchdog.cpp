// The network watchdog on a real socket on loopback, on a port the system
// picks. The two timers are ticked by the test on a fake clock; the socket
// events come from the event loop, waited for with generous deadlines.
#include "FakeBus.h"
#include "core/supervision/NetworkWatchdog.h"
#include "core/supervision/SupervisionSettings.h"

#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <sys/socket.h>

using namespace varnox;

namespace {

constexpr int kLong = 30'000;
const QString kSilence = "*** Watchdog über Netzwerk: Kein Empfang vom anderen PC.";

struct Rig : test::FakeBus {
    SupervisionSettings settings;
    NetworkWatchdog watchdog { settings, ports, protocol, clock, [this] { return project.path(); } };
    QStringList shown; // texts of the error window
    int alive = 0; // times an open error window was to close

    explicit Rig(int delay = 10)
    {
        settings.networkWatchdog = { true, delay, {} };
        watchdog.setPort(0);
        QObject::connect(&watchdog, &NetworkWatchdog::failureMessage, [this](const QString& t) { shown << t; });
        QObject::connect(&watchdog, &NetworkWatchdog::peerAlive, [this] { ++alive; });
        watchdog.start();
    }

    // One tick of tmrWDoNWRecError, five seconds on.
    void check()
    {
        clock.advanceMSecs(NetworkWatchdog::kCheckMs);
        QCOMPARE(watchdog.receptionCheck().tick(), std::optional<int>(NetworkWatchdog::kCheckMs));
    }
    int silences() const { return int(protocolLines().count(kSilence)); }

    // A peer connected and taken by the watchdog.
    std::unique_ptr<QTcpSocket> connectPeer()
    {
        auto peer = std::make_unique<QTcpSocket>();
        const int before = alive;
        peer->connectToHost(QHostAddress::LocalHost, watchdog.listeningPort());
        if (!QTest::qWaitFor([&] { return alive > before && peer->state() == QAbstractSocket::ConnectedState; }, kLong))
            qFatal("the watchdog took no peer");
        return peer;
    }
    bool send(QTcpSocket& peer, const QByteArray& bytes)
    {
        const int before = alive;
        peer.write(bytes);
        return QTest::qWaitFor([&] { return alive > before && !watchdog.receptionPending(); }, kLong);
    }
    void settle()
    {
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

class TestNetworkWatchdog : public QObject {
    Q_OBJECT

private slots:
    // A check arms the wait; the failure follows when nothing arrived for
    // delay ÷ 5 further checks, and again every delay while it lasts.
    void silenceIsReportedAfterTheDelay_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("countdown");
        QTest::newRow("5 s: at the first check that finds nothing") << 5 << 1;
        QTest::newRow("25 s") << 25 << 5;
        QTest::newRow("600 s") << 600 << 120;
    }

    void silenceIsReportedAfterTheDelay()
    {
        QFETCH(int, delay);
        QFETCH(int, countdown);
        Rig rig(delay);
        QCOMPARE(rig.protocolLines(), QStringList { "*** Watchdog über Netzwerk: Feature gestartet." });
        rig.check();
        QCOMPARE(rig.watchdog.countdown(), countdown);
        QVERIFY(rig.watchdog.receptionPending());
        for (int i = 1; i < countdown; ++i)
            rig.check();
        QCOMPARE(rig.silences(), 0);
        rig.check();
        QCOMPARE(rig.silences(), 1); // delay + 5 s after the start
        for (int i = 0; i < countdown; ++i)
            rig.check();
        QCOMPARE(rig.silences(), 2); // and again `delay` later
        QVERIFY(rig.shown.isEmpty());
    }

    // The peer is greeted every second; a peer that only listens is still
    // silent. Data of any kind counts, closes the error window, and starts
    // the wait afresh; the window's OK does the same. The failure function
    // is sent while it exists.
    void onlyDataFromThePeerCounts()
    {
        Rig rig(5);
        rig.settings.errorText = { true, 0, "Sicherungs-PC antwortet nicht" };
        rig.settings.errorBus = { true, 0, "Sirene" };
        rig.project.addFunction("Sirene", 1, "60000102", 3);
        rig.factory.port(3).open();
        auto peer = rig.connectPeer();
        QVERIFY(rig.watchdog.peerConnected());
        rig.watchdog.greeter().tick();
        rig.watchdog.greeter().tick();
        QVERIFY(QTest::qWaitFor([&] { return peer->bytesAvailable() >= 26; }, kLong));
        QCOMPARE(peer->readAll(), QByteArray("Hallo Client!Hallo Client!"));
        rig.check();
        rig.check();
        QCOMPARE(rig.protocolLines().mid(1), QStringList({ kSilence, kSilence + " Funktion gesendet." }));
        QCOMPARE(rig.factory.port(3).written, QByteArray("\x01 60000102\x04"));
        QCOMPARE(rig.shown, QStringList { "Sicherungs-PC antwortet nicht" });

        const int alive = rig.alive;
        QVERIFY(rig.send(*peer, QByteArray("\0\xff garbage\r\n", 12)));
        QVERIFY(rig.alive > alive);
        for (int i = 0; i < 4; ++i) {
            rig.check();
            QVERIFY(rig.send(*peer, "x"));
        }
        QCOMPARE(rig.silences(), 1);

        rig.check();
        rig.watchdog.acknowledge(); // the error window's OK
        QVERIFY(!rig.watchdog.receptionPending());
        rig.project.exec("DELETE FROM Funktionen");
        rig.check();
        rig.check();
        QCOMPARE(rig.protocolLines().mid(3), QStringList({ kSilence, kSilence + " Funktion nicht gesendet." }));
    }

    // A peer that connects takes the place of the one before, however
    // often; a peer that closes its sending half is gone, and the port
    // stays open for the next, until the watchdog is switched off.
    void onePeerAtATime()
    {
        Rig rig;
        auto first = rig.connectPeer();
        auto second = rig.connectPeer();
        QVERIFY(QTest::qWaitFor([&] { return first->state() == QAbstractSocket::UnconnectedState; }, kLong));
        QVERIFY(rig.send(*second, "da"));

        // Hundreds of connections in bursts of 25, as fast as the accept
        // queue of the system lets them in.
        std::vector<std::unique_ptr<QTcpSocket>> storm;
        const auto closedByTheWatchdog = [&storm] {
            return std::count_if(storm.begin(), storm.end(),
                [](const auto& s) { return s->state() == QAbstractSocket::UnconnectedState; });
        };
        for (int burst = 0; burst < 12; ++burst) {
            for (int i = 0; i < 25; ++i) {
                storm.push_back(std::make_unique<QTcpSocket>());
                storm.back()->connectToHost(QHostAddress::LocalHost, rig.watchdog.listeningPort());
            }
            QVERIFY(QTest::qWaitFor([&] { return closedByTheWatchdog() == qsizetype(storm.size()) - 1; }, kLong));
        }
        rig.settle();
        QCOMPARE(rig.watchdog.connectionsKept(), 1);

        auto last = rig.connectPeer();
        rig.settle();
        QCOMPARE(rig.watchdog.connectionsKept(), 1);
        ::shutdown(int(last->socketDescriptor()), SHUT_WR);
        QVERIFY(QTest::qWaitFor([&] { return !rig.watchdog.peerConnected(); }, kLong));
        rig.settle();
        QCOMPARE(rig.watchdog.connectionsKept(), 0);
        auto next = rig.connectPeer();
        rig.settings.networkWatchdog.on = false;
        QCOMPARE(rig.watchdog.greeter().tick(), std::nullopt);
        QCOMPARE(rig.watchdog.receptionCheck().tick(), std::nullopt);
        QCOMPARE(rig.watchdog.listeningPort(), quint16(0));
        QVERIFY(QTest::qWaitFor([&] { return next->state() == QAbstractSocket::UnconnectedState; }, kLong));
    }

    // Memory stays flat: what a peer floods in is thrown away as it comes,
    // and greetings for a peer that reads nothing stop queueing.
    void floodsAndDeafPeersKeepMemoryFlat()
    {
        Rig rig;
        auto peer = rig.connectPeer();
        QByteArray chunk(64 * 1024, Qt::Uninitialized);
        for (char& c : chunk)
            c = char(QRandomGenerator::global()->generate());
        const qint64 bound = NetworkWatchdog::kReadBufferBytes + NetworkWatchdog::kUnsentLimit;
        qint64 most = 0;
        for (int i = 0; i < 128; ++i) { // 8 MiB
            peer->write(chunk);
            while (peer->bytesToWrite() > 0) {
                QTest::qWait(1);
                most = qMax(most, rig.watchdog.bytesKept());
            }
        }
        QVERIFY(QTest::qWaitFor([&] { return rig.watchdog.bytesKept() == 0; }, kLong));
        QVERIFY2(most <= bound, qPrintable(QString::number(most)));

        for (int i = 0; i < 10'000; ++i) // without the event loop nothing leaves
            rig.watchdog.greeter().tick();
        QVERIFY2(rig.watchdog.bytesKept() <= bound, qPrintable(QString::number(rig.watchdog.bytesKept())));
        QVERIFY(rig.watchdog.peerConnected());
    }

    // A port held by another program is said once and tried again at every
    // greeting until it is free.
    void busyPortIsTriedAgain()
    {
        auto other = std::make_unique<QTcpServer>();
        QVERIFY(other->listen(QHostAddress::Any, 0));
        const quint16 port = other->serverPort();
        Rig rig;
        rig.watchdog.setPort(port);
        rig.watchdog.restart();
        rig.watchdog.greeter().tick();
        QCOMPARE(rig.watchdog.listeningPort(), quint16(0));
        other.reset();
        rig.watchdog.greeter().tick();
        QCOMPARE(rig.watchdog.listeningPort(), port);
        const QStringList lines = rig.protocolLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(
            lines[1].startsWith(QString("*** Watchdog über Netzwerk: Port %1 kann nicht geöffnet werden: ").arg(port)));
    }
};

QTEST_GUILESS_MAIN(TestNetworkWatchdog)
#include "tst_networkwatchdog.moc"
