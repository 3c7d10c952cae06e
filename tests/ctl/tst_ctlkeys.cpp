// varnoxctl's keys in CSV: an export imported into a new project gives the
// same keys and counts; refused rows are named with the keys page's messages
// and leave the project as it was, byte for byte, unless --skip-bad.
#include "CtlProject.h"
#include "core/lang/Texts.h"
#include "core/model/KeyRows.h"
#include "core/model/ProfileOperations.h"
#include "core/model/ReaderCounts.h"

#include <QTest>

using namespace varnox;
using namespace varnox::test;

namespace {

const QByteArray kHeader = "number,name,short_name,profile,start,end\r\n";

// `count` keys of "Büro", numbered from `first`.
QByteArray buroKeys(int first, int count)
{
    QByteArray csv = kHeader;
    for (int i = first; i < first + count; ++i)
        csv += QStringLiteral("%1,Mitarbeiter %2,,Büro,,\r\n").arg(i, 0, 16).arg(i).toUtf8();
    return csv;
}

// The text of a message as varnoxctl reports a refused line.
QString lineText(const Message& m)
{
    QStringList lines = m.text.split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    return lines.join(QLatin1Char(' '));
}

QString listReaders(const CtlHome& ctl, const QString& project)
{
    return ctl({ "list", "readers", project, "--format", "csv" }).out;
}

} // namespace

class TestCtlKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void exportImportGivesTheSameKeysAndCounts()
    {
        const CtlHome ctl;
        QVERIFY(makeProject(ctl, "Alt"));
        QVERIFY(makeProject(ctl, "Neu"));
        // Quoting of every kind, a fixed period, keys with and without profile.
        const QByteArray csv = "\xEF\xBB\xBF" + kHeader
            + "00AB,\"Meier, Hans\",HM,Büro,2027-01-04T07:30,2027-03-01T18:00\r\n"
              "cd,\"Der \"\"Chef\"\"\",,lager,,\r\n"
              "123,\"Zwei\r\nZeilen\",K 1,,,\n"
              "fff,Jürgen Groß,,Büro,,\r\n"
            + buroKeys(0x1000, 40).mid(kHeader.size());
        const CtlResult imported = ctl({ "import", "keys", "Alt", "-" }, csv);
        QCOMPARE(imported.err, QString());
        QCOMPARE(imported.status, 0);
        const CtlResult exported = ctl({ "export", "keys", "Alt" });
        QCOMPARE(exported.status, 0);
        QVERIFY(exported.out.contains(
            QStringLiteral("0000000000AB,\"Meier, Hans\",HM,Büro,2027-01-04T07:30:00,2027-03-01T18:00:00\r\n")));
        QVERIFY(exported.out.contains(QStringLiteral("0000000000CD,\"Der \"\"Chef\"\"\",,Lager,,\r\n")));

        QCOMPARE(ctl({ "import", "keys", "Neu", "-" }, exported.out.toUtf8()).status, 0);
        QCOMPARE(ctl({ "export", "keys", "Neu" }).out, exported.out);
        QCOMPARE(listReaders(ctl, "Neu"), listReaders(ctl, "Alt"));
        QVERIFY(listReaders(ctl, "Alt").contains(QStringLiteral("100,Tor Nord,em,1,1,decentral,door-opener,43,")));
    }

    void refusedRowsLeaveTheProjectAsItWas()
    {
        const CtlHome ctl;
        QVERIFY(makeProject(ctl, "P"));
        QCOMPARE(ctl({ "import", "keys", "P", "-" }, buroKeys(0x100, 250)).status, 0); // "Tor Nord" is full
        const QByteArray before = fileBytes(ctl.project("P"));
        const QByteArray csv = kHeader
            + "A1,Anna,,,,\r\n"
              "100,Doppelt,,,,\r\n" // the number of a stored key
              "XYZ,Falsch,,,,\r\n"
              "A2,Gustav,,Unbekannt,,\r\n"
              "A3,Voll,,Lager,,\r\n" // a 251st key for "Tor Nord"
              "A4,Berta,,,,\r\n";
        const CtlResult refused = ctl({ "import", "keys", "P", "-" }, csv);
        QCOMPARE(refused.status, 1);
        KeyForm badNumber;
        badNumber.number = QStringLiteral("XYZ");
        badNumber.name = QStringLiteral("Falsch");
        const QStringList expected = {
            QStringLiteral("line 3: ") + lineText(*keyDuplicateRefusal(DbError { DbErrorKind::Duplicate, 0, {} })),
            QStringLiteral("line 4: ") + lineText(checkKeyForm(badNumber).message()),
            QStringLiteral("line 5: ") + lineText(unknownProfileMessage(QStringLiteral("Unbekannt"))),
            QStringLiteral("line 6: ") + lineText(capacityMessage(QStringLiteral("Tor Nord"))),
        };
        QCOMPARE(refused.err.split('\n', Qt::SkipEmptyParts), expected);
        QCOMPARE(fileBytes(ctl.project("P")), before);

        const CtlResult skipped = ctl({ "import", "keys", "P", "-", "--skip-bad" }, csv);
        QCOMPARE(skipped.status, 10);
        QCOMPARE(skipped.err.split('\n', Qt::SkipEmptyParts), expected);
        const QString keys = ctl({ "export", "keys", "P" }).out;
        for (const char* stored : { "0000000000A1,Anna,,,,", "0000000000A3,Voll,,,,", "0000000000A4,Berta,,,," })
            QVERIFY2(keys.contains(QLatin1String(stored)), stored);
        QVERIFY(!keys.contains(QLatin1String("Gustav")));
        QVERIFY(listReaders(ctl, "P").contains(QStringLiteral("100,Tor Nord,em,1,1,decentral,door-opener,250,")));
    }

    void filesThatAreNoKeyList_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("report");
        QTest::newRow("no header") << QByteArray("1,Anna,,,,\r\n") << "line 1: Die erste Zeile muss die Spaltenköpfe";
        QTest::newRow("open quote") << kHeader + "1,\"Anna,,,,\r\n" << QString("line 2: Ein Feld in Anführungszeichen");
        QTest::newRow("fields") << kHeader + "1,Anna\r\n" << QString("line 2: Die Zeile hat 2 Felder statt 6.");
        QTest::newRow("latin-1") << kHeader + "1,J\xFCrgen,,,,\r\n" << QString("line 2: Die Datei ist nicht in UTF-8");
        QTest::newRow("time") << kHeader + "1,Anna,,,2027-13-01T08:00,2027-12-01T08:00\r\n"
                              << "line 2: \"2027-13-01T08:00\" ist kein Zeitpunkt";
        QTest::newRow("order") << kHeader + "1,Anna,,,2027-02-01T08:00,2027-01-01T08:00\r\n"
                               << "line 2: Endzeit liegt vor der Startzeit!";
    }

    void filesThatAreNoKeyList()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, report);
        const CtlHome ctl;
        QCOMPARE(ctl({ "create", "P" }).status, 0);
        const QByteArray before = fileBytes(ctl.project("P"));
        const CtlResult r = ctl({ "import", "keys", "P", "-", "--skip-bad" }, csv);
        QVERIFY2(r.err.startsWith(report), qPrintable(r.err));
        QCOMPARE(r.status, 10);
        QCOMPARE(fileBytes(ctl.project("P")), before);
    }
};

QTEST_MAIN(TestCtlKeys)
#include "tst_ctlkeys.moc"
