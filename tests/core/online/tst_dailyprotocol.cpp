// The daily protocol: the writer with its switches, plain and enciphered,
// across midnight, restarts and torn lines; and the reader of a day's file,
// which marks every record that was changed, removed, inserted or moved.
#include "ProjectFiles.h"
#include "ProtocolHome.h"
#include "core/online/DayFileReader.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/Scramble.h"

#include <QRandomGenerator>
#include <QTest>

using namespace varnox;

namespace {

const QDate kDay(2026, 12, 5);

const LineCipher& cipher()
{
    static const LineCipher c(programKeyText());
    return c;
}

// Records "r1".."rN" as the writer chains them, one line each.
QList<QByteArray> chain(int n, const QDate& day = kDay)
{
    QList<QByteArray> records;
    ChainLink link;
    for (int i = 1; i <= n; ++i)
        records << cipher().seal(QStringLiteral("10:00:0%1\tr%1").arg(i), link, day, &link);
    return records;
}

QByteArray file(const QList<QByteArray>& records)
{
    QByteArray out;
    for (const QByteArray& r : records)
        out += r + "\r\n\r\n";
    return out;
}

// "O r1", "U", "B r3", "P text": state and text of every entry.
QStringList read(const QByteArray& content)
{
    QStringList out;
    for (const DayEntry& e : readDayFile(content, cipher(), kDay))
        out << (QStringLiteral("OPUB")[int(e.state)] + (e.line.isEmpty() ? QString() : QLatin1Char(' ') + e.text()));
    return out;
}

// The same with the whole line, time included.
QStringList states(const QList<DayEntry>& entries)
{
    QStringList out;
    for (const DayEntry& e : entries)
        out << QStringLiteral("OPUB")[int(e.state)] + QLatin1Char(' ') + e.line;
    return out;
}

void plainAndEnciphered()
{
    QTest::addColumn<bool>("encrypt");
    QTest::newRow("plain") << false;
    QTest::newRow("enciphered") << true;
}

// The content of a day's file as a test makes it.
using Make = std::function<QByteArray()>;
using Records = QList<QByteArray>;

// A file of `n` chained records after `change`.
Make edit(int n, const std::function<void(Records&)>& change)
{
    return [n, change] {
        Records records = chain(n);
        change(records);
        return file(records);
    };
}

}  // namespace

Q_DECLARE_METATYPE(Make)

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
        const QList<DayEntry> entries = readDayFile(file, cipher(), kDay);
        QCOMPARE(states(entries), QStringList({"O 12:00:00\tProgramm gestartet", QString::fromUtf8("O 12:00:00\tSchlüssel\tgeändert")}));
        QCOMPARE(entries[1].text(), QString::fromUtf8("Schlüssel\tgeändert"));

        // A line after midnight starts the next day's file: a new chain, not a broken one.
        clock.set(QDateTime(kDay, QTime(23, 59, 59)));
        protocol.write("vorher");
        clock.advanceSecs(1);
        protocol.write("nachher");
        QCOMPARE(states(readDayFile(home.readFile("log/05122026.log"), cipher(), kDay)).last(),
                 QStringLiteral("O 23:59:59\tvorher"));
        QCOMPARE(states(readDayFile(home.readFile("log/06122026.log"), cipher(), kDay.addDays(1))),
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
        const QList<DayEntry> entries = readDayFile(home.readFile("log/05122026.log"), cipher(), kDay);
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
        test::appendBytes(home.file("log/05122026.log"), encrypt ? "QUJD" : "09:00:00\tabgeschn");

        DailyProtocol restarted(clock);
        restarted.setSwitches({255, encrypt});
        restarted.write("Programm gestartet");
        const QByteArray content = home.readFile("log/05122026.log");
        if (!encrypt) {
            QVERIFY(content.endsWith("09:00:00\tabgeschn\r\n09:00:00\tProgramm gestartet\r\n"));
            return;
        }
        const QList<DayEntry> entries = readDayFile(content, cipher(), kDay);
        QCOMPARE(states(entries), QStringList({"O 09:00:00\tvor dem Absturz", "U ", "O 09:00:00\tProgramm gestartet"}));
    }

    void unwritableFolderLosesTheLineQuietly()
    {
        test::ProtocolHome p(QDateTime(kDay, QTime(12, 0, 0)));
        p.home.writeFile("log", "a file where the folder should be");
        p.protocol.write("verloren");
        QCOMPARE(p.home.readFile("log"), QByteArray("a file where the folder should be"));
    }

    // What was done to a day's file shows in the entries read back.
    void readBack_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("sound") << Make([] { return file(chain(3)); }) << QStringList{"O r1", "O r2", "O r3"};
        QTest::newRow("empty") << Make([] { return QByteArray(); }) << QStringList();
        QTest::newRow("line feeds and blanks around records") << Make([] {
            return "\n  \n" + file(chain(2)).replace("\r\n", "\n");
        }) << QStringList{"O r1", "O r2"};
        // The tag at its end is intact, so the next record still links to it.
        QTest::newRow("changed inside") << edit(4, [](Records& r) {
            char& c = r[1][r[1].size() / 2];
            c = c == 'A' ? 'B' : 'A';
        }) << QStringList{"O r1", "U", "O r3", "O r4"};
        QTest::newRow("changed tag") << edit(4, [](Records& r) { r[1] = r[1].left(r[1].size() - 8) + "AAAAAAAA"; })
                                     << QStringList{"O r1", "U", "B r3", "O r4"};
        QTest::newRow("removed") << edit(5, [](Records& r) { r.removeAt(2); })
                                 << QStringList{"O r1", "O r2", "B r4", "O r5"};
        QTest::newRow("first removed") << edit(3, [](Records& r) { r.removeFirst(); }) << QStringList{"B r2", "O r3"};
        QTest::newRow("replayed") << edit(4, [](Records& r) { r.insert(3, r[1]); })
                                  << QStringList{"O r1", "O r2", "O r3", "B r2", "B r4"};
        QTest::newRow("inserted: plain, no record, another day's") << edit(3, [](Records& r) {
            r.insert(1, chain(1, kDay.addDays(-1)).first());
            r.insert(1, "bm90IGEgcmVjb3Jk");
            r.insert(1, "09:59:59\thand written");
        }) << QStringList{"O r1", "P hand written", "U", "U", "O r2", "O r3"};
        QTest::newRow("swapped") << edit(5, [](Records& r) { r.swapItemsAt(1, 2); })
                                 << QStringList{"O r1", "B r3", "B r2", "B r4", "O r5"};
        QTest::newRow("another day's file") << Make([] { return file(chain(2, kDay.addDays(1))); })
                                            << QStringList{"U", "U"};
        QTest::newRow("truncated") << Make([] { return file(chain(3)).chopped(30); }) << QStringList{"O r1", "O r2", "U"};
        // A line longer than any record counts as one damaged entry.
        QTest::newRow("endless line") << Make([] {
            const QList<QByteArray> r = chain(2);
            return file({r[0]}) + QByteArray(3 * DayFileReader::kMaxLine, 'A') + "\r\n" + file({r[1]});
        }) << QStringList{"O r1", "U", "O r2"};
    }

    void readBack()
    {
        QFETCH(Make, make);
        QTEST(read(make()), "entries");
    }

    void garbageNeverStopsTheReader()
    {
        QRandomGenerator random(4711);
        for (int round = 0; round < 200; ++round) {
            QByteArray junk(int(random.bounded(1, 4000)), '\0');
            for (char& c : junk)
                c = char(random.bounded(256));
            const QList<DayEntry> entries = readDayFile(file(chain(1)) + junk + "\r\n\r\n" + file(chain(1)), cipher(), kDay);
            QVERIFY(!entries.isEmpty());
            QCOMPARE(int(entries.first().state), int(RecordState::Ok));
            QCOMPARE(entries.last().text(), QStringLiteral("r1"));
        }
    }
};

QTEST_GUILESS_MAIN(TestDailyProtocol)
#include "tst_dailyprotocol.moc"
