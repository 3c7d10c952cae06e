// The simulator is the program's peer on the wire: it takes a frame only as
// an interface does (SOH, a text of blank to "F", EOT) and refuses anything
// else in its log, so that a malformed frame from the program fails the
// tests instead of being answered.
#include "BusSimProcess.h"

#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace varnox;

class TestBusSimFrames : public QObject {
    Q_OBJECT

private slots:
    void onlyWellFormedFramesAreAnswered_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("refused");
        // A system test of reader 1234, well formed and broken in every way.
        QTest::newRow("well formed") << QByteArray("\x01 5004D280\x04") << true << 0;
        QTest::newRow("no SOH") << QByteArray(" 5004D280\x04") << false << 1;
        QTest::newRow("lower case") << QByteArray("\x01 5004d280\x04") << false << 1;
        QTest::newRow("above F") << QByteArray("\x01 5004D2G0\x04") << false << 1;
        QTest::newRow("control byte") << QByteArray("\x01 5004D\r280\x04") << false << 1;
        QTest::newRow("eight-bit byte") << QByteArray("\x01 5004D2\xb0"
                                                      "0\x04")
                                        << false << 1;
        QTest::newRow("SOH inside, then empty") << QByteArray("\x01 5004D2\x01\x04") << false << 2;
        QTest::newRow("too long") << QByteArray("\x01 5004D2800\x04") << false << 1;
        QTest::newRow("lone EOT") << QByteArray("\x04") << false << 1;
        QTest::newRow("bytes after a frame") << QByteArray("\x01 5004D280\x04zz") << true << 1;
    }

    void onlyWellFormedFramesAreAnswered()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, answered);
        QFETCH(int, refused);
        test::BusSimProcess sim;
        QVERIFY(sim.start({ "--line", "1", "--reader", "1:1234:10", "--reader", "1:4711:11" }));
        const int fd = ::open(QFile::encodeName(sim.device(1)).constData(), O_RDWR | O_NOCTTY);
        QVERIFY(fd >= 0);
        // Then a system test of reader 4711: once it is answered, the bytes
        // before it have been read.
        const QByteArray all = bytes + QByteArray("\x01 50126780\x04");
        QCOMPARE(::write(fd, all.constData(), size_t(all.size())), ssize_t(all.size()));
        QTRY_COMPARE_WITH_TIMEOUT(sim.count(1, "tx %0012670B"), 1, 60'000);
        ::close(fd);
        QCOMPARE(sim.count(1, "tx %0004D20A"), answered ? 1 : 0);
        QCOMPARE(sim.takeInvalidFrames().size(), refused);
    }
};

QTEST_GUILESS_MAIN(TestBusSimFrames)
#include "tst_bussimframes.moc"
