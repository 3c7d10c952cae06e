// The evaluation of key requests tick by tick, with a fake clock and ports:
// what goes on the wire, what the protocol and the monitor get, what a time
// record holds, and that no failure stops the next request.
#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "ProjectFixture.h"
#include "ProtocolHome.h"
#include "core/bus/BusSystem.h"
#include "core/lang/Texts.h"
#include "core/online/KeyRequestEvaluation.h"
#include "core/online/MonitorList.h"
#include "core/online/TimeRecord.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"

#include <QTest>

using namespace varnox;

namespace {

const QDateTime kMonday(QDate(2026, 12, 7), QTime(12, 0, 5));
const QString kAnna = "443322116655";

// The bus of a small installation: readers at AS 10 (no time recording),
// 11 (coming in) and 12 (going out) of line 1, all three in Anna's profile
// with the door function "Tür" on line 2; the readers acknowledge a grant.
struct Rig {
    test::ProjectFixture project;
    QString workCopy = project.path();
    test::FakeClock clock { kMonday };
    DailyProtocol protocol { clock };
    EventSink events;
    ConfigFile config { ProgramFolder::configFile() };
    test::FakePortFactory factory;
    BusSystem bus { factory, clock, config, protocol, events, [this] { return workCopy; } };
    MonitorList monitor;
    KeyRequestEvaluation evaluation { bus, clock, protocol, events, [this] { return workCopy; }, monitor };
    QList<Message> messages;
    bool acknowledge = true;

    Rig()
    {
        protocol.setSwitches({ 255, false });
        const QStringList names = { "Haupteingang", "Kommen", "Gehen" };
        for (int i = 0; i < 3; ++i) {
            project.addReader(names[i], QString::number(1001 + i), 1, 10 + i);
            project.exec("UPDATE Leser SET Zeiterfassung = ? WHERE AS_adr = ?", i, 10 + i);
            project.linkToProfile(QString::number(1001 + i), "Tür");
        }
        project.addProfile("P");
        project.addFunction("Tür", 0, "110A", 2);
        project.exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES (?, 'Anna', 0)", kAnna);
        project.exec("INSERT INTO Zuschluessel (Schluessel, Profil) VALUES (?, 'P')", kAnna);
        for (const int line : { 1, 2 }) {
            factory.port(line).setPortNumber(line);
            factory.port(line).open();
        }
        factory.port(1).responder = [this](const QByteArray& sent) {
            return acknowledge && sent.startsWith("\x01 A1") ? QByteArray("\x01%00100110\x04") : QByteArray();
        };
        QObject::connect(&events, &EventSink::messageRaised, [this](const Message& m) { messages << m; });
    }

    // A key held to the reader at `address` of line 1, as the reader reports it.
    void present(const QString& key, int address = 10)
    {
        factory.port(1).inject("\x01$A0" + QString::number(address, 16).rightJustified(2, '0').toUpper().toLatin1()
            + key.mid(10, 2).toLatin1() + key.mid(8, 2).toLatin1() + "\x04");
        factory.port(1).inject("\x01%" + key.mid(6, 2).toLatin1() + key.mid(4, 2).toLatin1() + key.mid(2, 2).toLatin1()
            + key.left(2).toLatin1() + "\x04");
    }

    // Ticks until the evaluation stops, the clock moving on by each interval.
    int run()
    {
        int ticks = 0;
        for (std::optional<int> next = 0; next && ticks < 1000; ++ticks) {
            clock.advanceMSecs(*next);
            next = evaluation.tick();
        }
        return ticks;
    }

    QStringList texts() const { return test::protocolTexts(clock.now().date()); }
    QByteArray wire(int line) { return factory.port(line).written; }
};

} // namespace

class TestKeyRequestEvaluation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    // What became of the function: sent and acknowledged, its line 0, no
    // such function, no acknowledgement (the reader is silent, or its port
    // fails as the grant reply goes out), its line's port closed. The grant
    // reply goes out whatever became of the function, and a result that is
    // known already is not overwritten by the acknowledgement.
    void functionResults_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QByteArray>("function"); // on line 2
        QTest::addColumn<QString>("ending");
        QTest::newRow("0") << "" << QByteArray("\x01 110A\x04") << " ausgeführt";
        QTest::newRow("0, not read yet") << "held" << QByteArray("\x01 110A\x04") << " ausgeführt";
        QTest::newRow("1") << "line 0" << QByteArray() << " nicht ausgeführt (*1)";
        QTest::newRow("2") << "gone" << QByteArray() << " nicht ausgeführt (*2)";
        QTest::newRow("3") << "silent" << QByteArray("\x01 110A\x04") << " ausgeführt (*3)";
        QTest::newRow("3, port lost") << "lost" << QByteArray("\x01 110A\x04") << " ausgeführt (*3)";
        QTest::newRow("4") << "closed" << QByteArray() << " nicht ausgeführt (*4)";
    }

    void functionResults()
    {
        QFETCH(QString, setup);
        Rig r;
        if (setup == "line 0") {
            r.project.exec("INSERT INTO HLV_BUS (BusID, ComPort) VALUES (0, 0)");
            r.project.exec("UPDATE Funktionen SET BusID = 0");
        }
        if (setup == "gone")
            r.project.exec("DELETE FROM Funktionen");
        r.acknowledge = setup != "silent" && setup != "lost";
        if (setup == "closed")
            r.factory.port(2).close();
        r.factory.port(1).holdReplies = setup == "held";  // the program was busy elsewhere
        if (setup == "lost")
            r.factory.port(1).responder = [&r](const QByteArray&) { return r.factory.port(1).pullOut(), QByteArray(); };
        r.present(kAnna);
        r.run();
        QTEST(r.wire(2), "function");
        QCOMPARE(r.wire(1), QByteArray("\x01 A10A\x04"));
        QFETCH(QString, ending);
        QCOMPARE(r.texts(),
            QStringList { "Schlüsselbezeichnung: Anna - Anfrage am Leser HAUPTEINGANG - Funktion TÜR" + ending });
        QCOMPARE(r.monitor.count(), 1);
        QCOMPARE(r.monitor.at(0).key, QString("Anna"));
        QCOMPARE(r.monitor.at(0).text, "Anfrage am Leser HAUPTEINGANG - Funktion TÜR" + ending);
        QCOMPARE(r.monitor.at(0).time, QString("07. Dezember 2026  12:00:05"));
        QCOMPARE(r.monitor.at(0).colour, kGrantedColour);
        QCOMPARE(r.bus.protocolList().count(), r.acknowledge ? 1 : 0); // the acknowledgement waits there
        QVERIFY(!r.bus.evaluation().running);
    }

    // A granted request at a reader that records time adds its moment; a
    // refused one sends nothing and records nothing.
    void timeRecordsAndRefusals()
    {
        Rig r;
        const auto at = [&r](int h, int m, int s) { r.clock.set(QDateTime(kMonday.date(), QTime(h, m, s))); };
        at(7, 58, 12);
        r.present(kAnna, 11);
        r.run();
        at(16, 30, 5);
        r.present(kAnna, 12);
        r.run();
        r.present("0000000000FF", 11);
        r.run();
        QCOMPARE(readTimeRecord(kMonday.date(), "Anna"), QString("075812;163005|"));
        QCOMPARE(r.wire(1), QByteArray("\x01 A10B\x04\x01 A10C\x04"));
        QCOMPARE(r.texts().last(),
            QString("Schlüsselnr.: 0000000000FF - unbekannter Schlüssel am Leser Kommen - kein Zutritt"));
        QCOMPARE(r.monitor.at(2).colour, kRefusedColour);
        QCOMPARE(r.monitor.at(2).key, QString("0000000000FF"));

        // Without recording there are no monitor entries; time is still recorded.
        r.protocol.setRecording(false);
        at(17, 0, 0);
        r.present(kAnna, 11);
        r.run();
        QCOMPARE(r.monitor.count(), 3);
        QCOMPARE(readTimeRecord(kMonday.date(), "Anna"), QString("075812;163005|170000;"));
    }

    // The key name is the section, whatever it holds; each name keeps its
    // own; an event after midnight goes into the next day's file.
    void timeRecordSections()
    {
        test::TempHome home;
        test::FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59)));
        const QStringList names = { "Anna", "[Gast] 1", "a=b;c", "  Leerzeichen ", "Ünal Çelik", "\"zitiert\"",
            "Zeile\n[Anna]\nZeiten=1", "anna " };
        for (const QString& name : names)
            WriteTimeRecord(clock, name, 1);
        WriteTimeRecord(clock, "Anna", 2);
        clock.advanceSecs(2);
        WriteTimeRecord(clock, "Anna", 1);
        for (const QString& name : names.mid(1))
            QCOMPARE(readTimeRecord(QDate(2026, 12, 5), name), QString("235959;"));
        QCOMPARE(readTimeRecord(QDate(2026, 12, 5), "Anna"), QString("235959;235959|"));
        QCOMPARE(readTimeRecord(QDate(2026, 12, 6), "Anna"), QString("000001;"));
        QVERIFY(home.readFile("time/20261205.tim").startsWith("[Anna]\nZeiten=235959;235959|\n"));
    }

    // A work copy that is locked, gone or too slow ends the request with
    // 938 and one report; the next request is decided as usual.
    void failuresEndOnlyTheirRequest_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("locked") << "locked";
        QTest::newRow("vanished") << "vanished";
        QTest::newRow("too slow") << "too slow";
    }

    void failuresEndOnlyTheirRequest()
    {
        QFETCH(QString, failure);
        Rig r;
        std::unique_ptr<Database> holder;
        if (failure == "locked") {
            holder = std::make_unique<Database>(r.project.path());
            holder->sql().exec("BEGIN EXCLUSIVE");
        } else if (failure == "vanished") {
            r.workCopy = r.project.path() + ".gone";
        }
        r.evaluation.setTimeBudget(failure == "too slow" ? 0 : 200);
        r.present(kAnna);
        r.present(kAnna, 11);
        QCOMPARE(r.evaluation.tick(), std::optional<int>(10));
        QCOMPARE(r.texts(), QStringList { GetText(938, "") });
        QCOMPARE(r.bus.protocolList().count(), 2);
        QCOMPARE(r.messages.size(), 1);
        QCOMPARE(r.messages[0].title, QString("Datenbankfehler"));

        holder.reset();
        r.workCopy = r.project.path();
        r.evaluation.setTimeBudget(200);
        r.run();
        QCOMPARE(r.texts().last(),
            QString("Schlüsselbezeichnung: Anna - Anfrage am Leser KOMMEN - Funktion TÜR ausgeführt"));
        QCOMPARE(r.messages.size(), 1);
    }

    // Lines that come in while a request is under way stay where they are
    // until it is done: its pair is removed by position, then the list is
    // brought back within its bounds with one protocol line.
    void theListIsBoundedAfterTheRequest()
    {
        Rig r;
        r.bus.protocolList().setCapacity(10);
        r.present(kAnna);
        QCOMPARE(r.evaluation.tick(), std::optional<int>(0)); // paired and granted
        for (int i = 0; i < 20; ++i)
            r.factory.port(2).inject(QStringLiteral("\x01$B0%1\x04").arg(100000 + i).toLatin1());
        QCOMPARE(r.bus.protocolList().count(), 22);
        for (std::optional<int> next = 0; r.bus.evaluation().running;) {
            r.clock.advanceMSecs(*next);
            next = r.evaluation.tick();
        }
        QCOMPARE(r.texts().mid(1),
            QStringList { "Liste der empfangenen Lesertelegramme voll: die ältesten 12 Einträge wurden verworfen" });
        QCOMPARE(r.bus.protocolList().count(), 9);
        QVERIFY(r.bus.protocolList().at(0).endsWith("$B0100012"));
        QVERIFY(r.bus.protocolList().at(8).endsWith("%00100110"));
    }
};

QTEST_GUILESS_MAIN(TestKeyRequestEvaluation)
#include "tst_keyrequestevaluation.moc"
