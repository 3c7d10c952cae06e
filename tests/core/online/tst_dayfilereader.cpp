#include "core/online/DayFileReader.h"
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
QStringList read(const QByteArray& content, const QDate& day = kDay)
{
    QStringList out;
    for (const DayEntry& e : readDayFile(content, cipher(), day))
        out << (QStringLiteral("OPUB")[int(e.state)] + (e.line.isEmpty() ? QString() : QLatin1Char(' ') + e.text()));
    return out;
}

}  // namespace

class TestDayFileReader : public QObject {
    Q_OBJECT

private slots:
    void soundChainReadsOk()
    {
        QCOMPARE(read(file(chain(3))), QStringList({"O r1", "O r2", "O r3"}));
        QCOMPARE(read(QByteArray()), QStringList());
        // Lone line feeds and blanks around a record do not matter.
        QByteArray lf = file(chain(2));
        lf.replace("\r\n", "\n").prepend("\n  \n");
        QCOMPARE(read(lf), QStringList({"O r1", "O r2"}));
    }

    void changedRecordIsUndecipherable()
    {
        QList<QByteArray> records = chain(4);
        QByteArray& second = records[1];
        second[second.size() / 2] = second[second.size() / 2] == 'A' ? 'B' : 'A';
        // The tag at its end is intact, so the next record still links to it.
        QCOMPARE(read(file(records)), QStringList({"O r1", "U", "O r3", "O r4"}));

        records = chain(4);
        records[1] = records[1].left(records[1].size() - 8) + "AAAAAAAA";
        QCOMPARE(read(file(records)), QStringList({"O r1", "U", "B r3", "O r4"}));
    }

    void removedRecordBreaksTheChain()
    {
        QList<QByteArray> records = chain(5);
        records.removeAt(2);
        QCOMPARE(read(file(records)), QStringList({"O r1", "O r2", "B r4", "O r5"}));
        records = chain(3);
        records.removeFirst();
        QCOMPARE(read(file(records)), QStringList({"B r2", "O r3"}));
    }

    void insertedRecordsAreMarked()
    {
        QList<QByteArray> records = chain(4);
        records.insert(3, records[1]);  // a replayed record
        QCOMPARE(read(file(records)), QStringList({"O r1", "O r2", "O r3", "B r2", "B r4"}));

        records = chain(3);
        records.insert(1, chain(1, kDay.addDays(-1)).first());  // from another day's file
        records.insert(1, "bm90IGEgcmVjb3Jk");
        records.insert(1, "09:59:59\thand written");
        QCOMPARE(read(file(records)), QStringList({"O r1", "P hand written", "U", "U", "O r2", "O r3"}));
    }

    void swappedRecordsBreakTheChain()
    {
        QList<QByteArray> records = chain(5);
        records.swapItemsAt(1, 2);
        QCOMPARE(read(file(records)), QStringList({"O r1", "B r3", "B r2", "B r4", "O r5"}));
    }

    void wholeFileOfAnotherDayIsNotTakenForThisOne()
    {
        QCOMPARE(read(file(chain(2)), kDay.addDays(1)), QStringList({"U", "U"}));
    }

    void truncatedFileShowsWhatIsLeft()
    {
        const QByteArray whole = file(chain(3));
        const qsizetype cut = whole.size() - 30;
        QCOMPARE(read(whole.left(cut)), QStringList({"O r1", "O r2", "U"}));
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
        // A line longer than any record counts as one damaged entry.
        const QList<QByteArray> records = chain(2);
        const QByteArray endless(3 * DayFileReader::kMaxLine, 'A');
        QCOMPARE(read(file({records[0]}) + endless + "\r\n" + file({records[1]})), QStringList({"O r1", "U", "O r2"}));
    }
};

QTEST_GUILESS_MAIN(TestDayFileReader)
#include "tst_dayfilereader.moc"
