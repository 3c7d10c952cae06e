#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/bus/ComAssignment.h"
#include "core/bus/PortMap.h"
#include "core/shell/ConfigFile.h"

#include <QTest>

using namespace varnox;

class TestComAssignment : public QObject {
    Q_OBJECT

private slots:
    void storedAndReadBack()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        ComAssignment ports{};
        ports[0] = 3;
        ports[7] = 9;  // the desk reader
        ports[15] = 255;
        QVERIFY(SaveComAssignment(path, ports).isOk());
        QCOMPARE(readComAssignment(path), ports);
        QCOMPARE(GetBusComPort(path, 1), 3);
        QCOMPARE(GetBusComPort(path, 8), 9);
        QCOMPARE(GetBusComPort(path, 2), 0);
        QCOMPARE(GetBusComPort(path, 17), 0);  // rows above 16 are not touched
        QCOMPARE(GetBusComPort(path, 99), 0);  // no such row
    }

    void duplicatePortStoresNothing_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("two bus lines") << 0 << 14;
        QTest::newRow("desk reader and a bus line") << 7 << 9;
        QTest::newRow("bus line and the desk reader") << 2 << 7;
    }

    void duplicatePortStoresNothing()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        test::ProjectFixture p;
        const QString path = p.path();
        ComAssignment ports{};
        ports[size_t(first)] = 5;
        ports[size_t(second)] = 5;
        ports[4] = 6;
        QCOMPARE(SaveComAssignment(path, ports).message(),
                 test::message("Diese COM-Schnittstelle wurde bereits einem anderen Bus-Strang zugeordnet!\r\n"
                          "Bitte ändern Sie Ihre Eintragungen dementsprechend!",
                          "Bezeichnung fehlt", MessageIcon::Exclamation, QString("CmbComBus%1").arg(second)));
        QCOMPARE(readComAssignment(path), ComAssignment{});
    }

    void missingRowIsAdded()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        p.exec("DELETE FROM HLV_BUS WHERE BusID = 12");
        ComAssignment ports{};
        ports[11] = 42;
        QVERIFY(SaveComAssignment(path, ports).isOk());
        QCOMPARE(GetBusComPort(path, 12), 42);
    }

    void unwritableProjectGivesTheDatabaseMessage()
    {
        test::TempHome home;
        const Outcome outcome = SaveComAssignment(home.file("missing.tmp"), ComAssignment{});
        QVERIFY(!outcome.isOk());
        QCOMPARE(outcome.message().title, QString("Datenbankfehler"));
    }

    void comPortsResolveThroughThePortsSection()
    {
        test::TempHome home;
        ConfigFile config(home.file("VARNOXCF.INI"));
        config.writeValue("Ports", "COM3", "/dev/serial/by-id/usb-line1");
        QCOMPARE(deviceForComPort(config, 3), QString("/dev/serial/by-id/usb-line1"));
        QVERIFY(isMappedComPort(config, 3));
        QCOMPARE(deviceForComPort(config, 1), QString("/dev/ttyS0"));
        QCOMPARE(deviceForComPort(config, 255), QString("/dev/ttyS254"));
        QVERIFY(!isMappedComPort(config, 1));
    }
};

QTEST_GUILESS_MAIN(TestComAssignment)
#include "tst_comassignment.moc"
