// The keys the simulator holds to its readers on its own, for the demo:
// only while the program listens on the line, never in the middle of a
// data transfer there.
#include "BusSimProcess.h"

#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace varnox;

namespace {

void send(int fd, const QByteArray& telegram)
{
    const QByteArray frame = '\x01' + telegram + '\x04';
    QCOMPARE(::write(fd, frame.constData(), size_t(frame.size())), ssize_t(frame.size()));
}

} // namespace

class TestBusSimAutoKeys : public QObject {
    Q_OBJECT

private slots:
    void keysComeWhileTheProgramListens()
    {
        test::BusSimProcess sim;
        QVERIFY(sim.start({ "--line", "1", "--reader", "1:1234:10", "--auto-key", "1:10:A001", "--auto-key",
            "1:10:BADCAFE", "--auto-every", "0.2" }));
        const int fd = ::open(QFile::encodeName(sim.device(1)).constData(), O_RDWR | O_NOCTTY);
        QVERIFY(fd >= 0);
        send(fd, "(01");
        send(fd, ".3F");
        // Both keys in a round, each as the two telegrams of a key request.
        QTRY_VERIFY_WITH_TIMEOUT(sim.count(1, "tx $A00A01A0") >= 1 && sim.count(1, "tx $A00AFECA") >= 1
                && sim.count(1, "tx %00000000") >= 1 && sim.count(1, "tx %AD0B0000") >= 1,
            60000);
        QVERIFY(sim.log().indexOf("interface set up") < sim.log().indexOf("held to AS 10"));

        // A reader selected for a transfer: no key until the transfer ends.
        send(fd, " 810004D2");
        QTRY_VERIFY_WITH_TIMEOUT(sim.count(1, "tx %0004D20A") == 1, 60000);
        const qsizetype selected = sim.log().size();
        QTest::qWait(1000);
        send(fd, " 5100");
        QTRY_VERIFY_WITH_TIMEOUT(sim.log().indexOf("transfer ended") > 0, 60000);
        const qsizetype ended = sim.log().indexOf("transfer ended");
        QVERIFY2(!sim.log().mid(selected, ended - selected).contains("held to"), qPrintable(sim.log().mid(selected)));
        const int before = int(sim.log().count("held to"));
        QTRY_VERIFY_WITH_TIMEOUT(sim.log().count("held to") > before, 60000);
        ::close(fd);
    }
};

QTEST_GUILESS_MAIN(TestBusSimAutoKeys)
#include "tst_bussimautokeys.moc"
