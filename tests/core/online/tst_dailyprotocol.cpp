#include "ProtocolHome.h"
#include "core/online/DayFileReader.h"
#include "core/shell/ProgramFolder.h"

#include <QDir>
#include <QTest>

using namespace varnox;

namespace {

const QDate kDay(2026, 12, 5);

void plainAndEnciphered()
{
    QTest::addColumn<bool>("encrypt");
    QTest::newRow("plain") << false;
    QTest::newRow("enciphered") << true;
}

QStringList states(const QList<DayEntry>& entries)
{
    QStringList out;
    for (const DayEntry& e : entries)
        out << QStringLiteral("OPUB")[int(e.state)] + QLatin1Char(' ') + e.line;
    return out;
}

}  // namespace

class TestDailyProtocol : public QObject {
    Q_OBJECT

private slots:
    void recordingOffWritesNothing_data() { plainAndEnciphered(); }

    void recordingOffWritesNothing()
    {
        QFETCH(bool, encrypt);
        test::ProtocolHome p(QDateTime(kDay, QTime(12, 0, 0)), encrypt, 0);
        p.protocol.write("Programm gestartet");
        QVERIFY(!QFileInfo::exists(ProgramFolder::logDir()));
    }

    void plainLinesGoIntoANewFolderAsTheyStand()
    {
        test::ProtocolHome p(QDateTime(kDay, QTime(7, 5, 9)), false);
        auto& [home, clock, protocol] = p;
        protocol.write("Programm gestartet");
        clock.advanceSecs(61);
        protocol.write("Leser\tmit Tab");
        QCOMPARE(home.readFile("log/05122026.log"), QByteArray("07:05:09\tProgramm gestartet\r\n07:06:10\tLeser\tmit Tab\r\n"));
    }

    void encipheredLinesReadBackInOrderAndMidnightStartsAFile()
    {
        test::ProtocolHome p(QDateTime(kDay, QTime(12, 0, 0)), true);
        auto& [home, clock, protocol] = p;
        protocol.write("Programm gestartet");
        protocol.write(QString::fromUtf8("Schlüssel\tgeändert"));
        const QByteArray file = home.readFile("log/05122026.log");
        QVERIFY(!file.contains("Programm"));
        QCOMPARE(file.count("\r\n\r\n"), 2);
        QVERIFY(file.endsWith("\r\n\r\n"));
        const QList<DayEntry> entries = readDayFile(file, protocol.cipher(), kDay);
        QCOMPARE(states(entries), QStringList({"O 12:00:00\tProgramm gestartet", QString::fromUtf8("O 12:00:00\tSchlüssel\tgeändert")}));
        QCOMPARE(entries[1].text(), QString::fromUtf8("Schlüssel\tgeändert"));

        // A line after midnight starts the next day's file: a new chain, not a broken one.
        clock.set(QDateTime(kDay, QTime(23, 59, 59)));
        protocol.write("vorher");
        clock.advanceSecs(1);
        protocol.write("nachher");
        QCOMPARE(states(readDayFile(home.readFile("log/05122026.log"), protocol.cipher(), kDay)).last(),
                 QStringLiteral("O 23:59:59\tvorher"));
        QCOMPARE(states(readDayFile(home.readFile("log/06122026.log"), protocol.cipher(), kDay.addDays(1))),
                 QStringList{"O 00:00:00\tnachher"});
    }

    void chainContinuesOverRestartsAndOtherWriters()
    {
        test::ProtocolHome p(QDateTime(kDay, QTime(8, 0, 0)));
        auto& [home, clock, firstRun] = p;
        firstRun.write("eins");
        firstRun.write("zwei");
        DailyProtocol a(clock);  // the next start of the program
        DailyProtocol b(clock);
        a.setSwitches({255, true});
        b.setSwitches({255, true});
        a.write("drei");
        b.write("vier");  // b must find a's record, a must notice b's
        a.write(QString(3000, QLatin1Char('x')));
        const QList<DayEntry> entries = readDayFile(home.readFile("log/05122026.log"), a.cipher(), kDay);
        QCOMPARE(entries.size(), 5);
        for (const DayEntry& e : entries)
            QCOMPARE(int(e.state), int(RecordState::Ok));
    }

    void tornLastLineIsClosedFirst_data() { plainAndEnciphered(); }

    void tornLastLineIsClosedFirst()
    {
        QFETCH(bool, encrypt);
        test::ProtocolHome p(QDateTime(kDay, QTime(9, 0, 0)), encrypt);
        auto& [home, clock, protocol] = p;
        protocol.write("vor dem Absturz");
        QFile file(home.file("log/05122026.log"));
        QVERIFY(file.open(QIODevice::Append));
        file.write(encrypt ? "QUJD" : "09:00:00\tabgeschn");
        file.close();

        DailyProtocol restarted(clock);
        restarted.setSwitches({255, encrypt});
        restarted.write("Programm gestartet");
        const QByteArray content = home.readFile("log/05122026.log");
        if (!encrypt) {
            QVERIFY(content.endsWith("09:00:00\tabgeschn\r\n09:00:00\tProgramm gestartet\r\n"));
            return;
        }
        const QList<DayEntry> entries = readDayFile(content, protocol.cipher(), kDay);
        QCOMPARE(states(entries), QStringList({"O 09:00:00\tvor dem Absturz", "U ", "O 09:00:00\tProgramm gestartet"}));
    }

    void unwritableFolderLosesTheLineQuietly()
    {
        test::ProtocolHome p(QDateTime(kDay, QTime(12, 0, 0)));
        p.home.writeFile("log", "a file where the folder should be");
        p.protocol.write("verloren");
        QCOMPARE(p.home.readFile("log"), QByteArray("a file where the folder should be"));
    }
};

QTEST_GUILESS_MAIN(TestDailyProtocol)
#include "tst_dailyprotocol.moc"
