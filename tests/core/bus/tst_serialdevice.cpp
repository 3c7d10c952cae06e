// Why a real port would not open: held by another program, not there, or
// not ours to open; whatever name [Ports] gives the device by.
#include "TempHome.h"
#include "core/bus/DeviceAccess.h"
#include "core/bus/QtSerialPort.h"
#include "core/shell/ConfigFile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace varnox;

namespace {

// A pseudo-terminal standing in for a serial device.
struct Pty {
    int master = -1;
    int slave = -1;
    QString device;  // /dev/pts/N

    Pty()
    {
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0)
            device = QString::fromLocal8Bit(name);
    }
    ~Pty()
    {
        ::close(slave);
        ::close(master);
    }
};

}  // namespace

class TestSerialDevice : public QObject {
    Q_OBJECT

private slots:
    void portHeldByAnotherIsBusy_data()
    {
        QTest::addColumn<QString>("naming");
        QTest::newRow("the device itself") << "device";
        QTest::newRow("below /dev without the folder") << "relative";
        QTest::newRow("a link to the device") << "link";
    }

    void portHeldByAnotherIsBusy()
    {
        QFETCH(QString, naming);
        test::TempHome home;
        Pty pty;
        QVERIFY(!pty.device.isEmpty());
        QString name = pty.device;
        if (naming == "relative")
            name = pty.device.mid(5);
        if (naming == "link") {
            name = home.file("usb-bus-interface-if00");
            QVERIFY(QFile::link(pty.device, name));
        }
        ConfigFile config(home.file("VARNOXCF.INI"));
        config.writeValue("Ports", "COM5", name);
        QtSerialPort holder(config.path());
        QtSerialPort second(config.path());
        holder.setPortNumber(5);
        second.setPortNumber(5);
        QVERIFY(holder.open());
        QVERIFY(!second.open());
        QCOMPARE(second.lastFailure(), PortFailure::Busy);
        holder.close();
        QVERIFY(second.open());
    }

    // Neither depends on the event loop, which may be busy with other lines:
    // a command is on the wire when write() returns, and an answer waiting
    // in the device is handed over when asked for.
    void bytesLeaveAtOnceAndWaitingBytesAreRead()
    {
        test::TempHome home;
        Pty pty;
        ::fcntl(pty.master, F_SETFL, ::fcntl(pty.master, F_GETFL) | O_NONBLOCK);
        ConfigFile config(home.file("VARNOXCF.INI"));
        config.writeValue("Ports", "COM5", pty.device);
        QtSerialPort port(config.path());
        port.setPortNumber(5);
        QByteArray received;
        port.setReceiver([&received](char ch) { received += ch; });
        QVERIFY(port.open());

        port.write("\x01(01\x04");
        char buffer[16];
        QCOMPARE(QByteArray(buffer, int(qMax(ssize_t(0), ::read(pty.master, buffer, sizeof buffer)))),
                 QByteArray("\x01(01\x04"));

        QCOMPARE(::write(pty.master, "\x01#\x04", 3), ssize_t(3));
        QDeadlineTimer deadline(10'000);  // the terminal passes the bytes on by itself, soon
        while (received.size() < 3 && !deadline.hasExpired()) {
            port.readPending();
            ::usleep(1000);
        }
        QCOMPARE(received, QByteArray("\x01#\x04"));
    }

    void missingDeviceIsNotFound()
    {
        test::TempHome home;
        ConfigFile config(home.file("VARNOXCF.INI"));
        config.writeValue("Ports", "COM200", home.file("no-such-device"));
        QtSerialPort port(config.path());
        port.setPortNumber(200);
        QVERIFY(!port.open());
        QCOMPARE(port.lastFailure(), PortFailure::NotFound);
    }

    // Membership of the device's group is advised only where it would give
    // the access that is missing.
    void groupToJoin_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("group");
        QTest::addColumn<QList<uint>>("ourGroups");
        QTest::addColumn<int>("join");
        const QList<uint> plain{1000};
        QTest::newRow("group may read and write") << 0660u << 0u << 20u << plain << 20;
        QTest::newRow("member already") << 0660u << 0u << 20u << QList<uint>{1000, 20} << -1;
        QTest::newRow("group may only read") << 0640u << 0u << 20u << plain << -1;
        QTest::newRow("owner only") << 0600u << 0u << 0u << plain << -1;
        QTest::newRow("ours, but no write for the owner") << 0460u << 1000u << 20u << plain << -1;
        QTest::newRow("anyone may") << 0666u << 0u << 20u << plain << -1;
    }

    void groupToJoin()
    {
        QFETCH(uint, mode);
        QFETCH(uint, owner);
        QFETCH(uint, group);
        QFETCH(QList<uint>, ourGroups);
        QFETCH(int, join);
        const std::optional<uint> found = groupToJoinFor(mode, owner, group, 1000, ourGroups);
        QCOMPARE(found ? int(*found) : -1, join);
    }

    // The group named is the one the device really has.
    void deviceIsLookedAtThroughItsLinks()
    {
        test::TempHome home;
        Pty pty;
        const QString link = home.file("by-id-link");
        QVERIFY(QFile::link(pty.device, link));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(pty.device).constData(), &st), 0);
        const DeviceAccess access = inspectDevice(link);
        QCOMPARE(access.device, pty.device);
        QCOMPARE(access.groupId, uint(st.st_gid));
        QVERIFY(!inspectDevice(home.file("gone")).exists());
    }
};

QTEST_GUILESS_MAIN(TestSerialDevice)
#include "tst_serialdevice.moc"
