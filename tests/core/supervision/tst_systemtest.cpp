// The system test and the watchdog over the bus, tick by tick on a fake
// clock and fake ports: which telegrams go out when, which readers are
// reported, and what happens to functions that went away.
#include "FakeBus.h"
#include "core/supervision/SupervisionSettings.h"
#include "core/supervision/SystemTest.h"
#include "core/supervision/Watchdog.h"

#include <QTest>

using namespace varnox;

namespace {

const QByteArray kSearch("\x01 580B\x04");
QByteArray frame(const char* payload)
{
    return QByteArray("\x01 ") + payload + '\x04';
}

struct Rig : test::FakeBus {
    SupervisionSettings settings;
    QString workCopy = project.path();
    SystemTest systemTest { settings, ports, reception, protocol, clock, [this] { return workCopy; } };
    Watchdog watchdog { settings, ports, protocol, clock, [this] { return workCopy; } };
    QDateTime start = clock.now();

    Rig()
    {
        for (const int line : { 1, 2 })
            factory.port(line).open();
    }

    qint64 elapsed() const { return start.msecsTo(clock.now()); }
    QByteArray& written(int line) { return factory.port(line).written; }

    // The reader with `serial` on `line` answers its test query from the
    // `answerFrom`-th on (0: never); the times of its queries are kept.
    QList<qint64> queryTimes;
    void readerAnswering(int line, const char* query, int answerFrom)
    {
        factory.port(line).responder
            = [this, query = frame(query), answerFrom, n = 0](const QByteArray& bytes) mutable {
                  if (bytes != query)
                      return QByteArray();
                  queryTimes << elapsed();
                  return answerFrom > 0 && ++n >= answerFrom ? QByteArray("\x01%0004D20A\x04") : QByteArray();
              };
    }

    // Ticks as the timer would, until the procedure stops or `budgetMs` is spent.
    template <typename Procedure> void runFor(Procedure& p, qint64 budgetMs)
    {
        test::runTicks(
            clock, [&p] { return p.tick(); }, budgetMs, 1);
    }
};

} // namespace

class TestSystemTest : public QObject {
    Q_OBJECT

private slots:
    // Three queries of one reader: which of them it answers decides whether
    // it is reported; the failure function is sent when it exists.
    void readerIsReportedAfterItsThirdSilentQuery_data()
    {
        QTest::addColumn<int>("answerFrom");
        QTest::addColumn<bool>("functionExists");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("alarms");
        QTest::addColumn<bool>("held"); // the answers wait in the port until it is read
        const QString silent = "*** Anlagentest: Keine Antwort vom Leser HAUPTEINGANG.";
        QTest::newRow("answers the first") << 1 << true << QStringList() << 0 << false;
        QTest::newRow("answers the first, not read yet") << 1 << true << QStringList() << 0 << true;
        QTest::newRow("answers only the third") << 3 << true << QStringList() << 0 << false;
        QTest::newRow("silent, function sent") << 0 << true << QStringList { silent } << 1 << false;
        QTest::newRow("silent, function gone")
            << 0 << false << QStringList { silent + " Funktion nicht gesendet." } << 0 << false;
    }

    void readerIsReportedAfterItsThirdSilentQuery()
    {
        QFETCH(int, answerFrom);
        QFETCH(bool, functionExists);
        QFETCH(QStringList, lines);
        QFETCH(int, alarms);
        QFETCH(bool, held);
        Rig rig;
        rig.factory.port(1).holdReplies = held;
        rig.project.addReader("Haupteingang", "1234", 1);
        if (functionExists)
            rig.project.addFunction("Alarm", 2, "4711ABCD", 2);
        rig.settings.systemTest = { true, 10, "alarm" }; // names compare without regard to case
        rig.readerAnswering(1, "5004D280", answerFrom);
        rig.systemTest.restart();
        // Up to the check of the third query, two pauses of 10 s later.
        rig.runFor(rig.systemTest, 10'600 * 2 + 610 + 1);
        QCOMPARE(rig.queryTimes.size(), 3);
        QCOMPARE(rig.written(1).count(kSearch), 3);
        QCOMPARE(rig.protocolLines(), lines);
        QCOMPARE(rig.written(2).count(frame("4711ABCD")), alarms);
        QCOMPARE(rig.systemTest.failures(), 0);
    }

    // Interval 10: the search 10 ms after the start, the query 200 ms after
    // it, the check 400 ms later, then 10 s until the next reader; after the
    // last reader the first follows one pause later as well.
    void readersAreQueriedInTurnIntervalSecondsApart()
    {
        Rig rig;
        rig.project.addReader("Nord", "1234", 1);
        rig.project.addReader("Süd", "1235", 1);
        rig.settings.systemTest = { true, 10, QString() };
        QList<qint64> times;
        rig.factory.port(1).responder = [&](const QByteArray& bytes) {
            if (bytes != kSearch)
                times << rig.elapsed();
            return QByteArray("\x01%0004D20A\x04");
        };
        rig.systemTest.restart();
        rig.runFor(rig.systemTest, 32'000);
        QCOMPARE(times, (QList<qint64> { 210, 10'820, 21'430 }));
        QCOMPARE(rig.written(1).count(frame("5004D280")), 2); // Nord, then Nord again after Süd
        QCOMPARE(rig.written(1).count(frame("5004D380")), 1);
        QVERIFY(rig.protocolLines().isEmpty());
    }

    void stopsWithoutReadersAndWhenSwitchedOff()
    {
        Rig rig;
        rig.settings.systemTest = { true, 10, QString() };
        rig.systemTest.restart();
        QCOMPARE(rig.systemTest.tick(), std::nullopt);
        QCOMPARE(rig.systemTest.state(), SystemTest::State::Stopped);

        rig.project.addReader("Nord", "1234", 1);
        rig.systemTest.restart();
        QVERIFY(rig.systemTest.tick().has_value());
        rig.settings.systemTest.on = false;
        rig.clock.advanceSecs(1);
        QCOMPARE(rig.systemTest.tick(), std::nullopt);
        QVERIFY(rig.written(1).isEmpty());
    }

    // The watchdog sends its function every interval; a function renamed or
    // deleted in the meantime is never sent with its old telegram: each turn
    // writes the missing function instead, and the watchdog keeps ticking.
    void watchdogFollowsItsFunctionByName()
    {
        Rig rig;
        rig.project.addFunction("Lebenszeichen", 2, "AB12", 2);
        rig.settings.watchdog = { true, 20, "Lebenszeichen" };
        rig.watchdog.restart();
        rig.runFor(rig.watchdog, 40'001);
        QCOMPARE(rig.written(2).count(frame("AB12")), 3); // at 0, 20 and 40 s

        rig.project.exec("UPDATE Funktionen SET Fname = 'Puls', Protokoll = 'CD34'");
        rig.runFor(rig.watchdog, 40'001);
        QCOMPARE(rig.written(2).count(frame("AB12")), 3);
        QCOMPARE(rig.written(2).count(frame("CD34")), 0);
        const QString gone = "*** Watchdog: auszuführende Funktion nicht mehr vorhanden!";
        QCOMPARE(rig.protocolLines(), QStringList({ gone, gone }));
        QVERIFY(rig.watchdog.running());

        // A Null interval of a watchdog switched on by hand waits the
        // shortest time offered instead of running without pause.
        rig.settings.watchdog.interval = 0;
        rig.watchdog.restart();
        QCOMPARE(rig.watchdog.tick(), std::optional<int>(10'000));
        rig.settings.watchdog.on = false;
        rig.clock.advanceSecs(20);
        QCOMPARE(rig.watchdog.tick(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSystemTest)
#include "tst_systemtest.moc"
