// The printed documents as data and the clipboard exports: table formats,
// header and footer parts, the handover protocol's text blocks, the readers
// of a key, the list of all keys and the daily protocol read for print.
#include "ProjectFiles.h"
#include "ProjectFixture.h"
#include "ProtocolHome.h"
#include "core/reports/DayReport.h"
#include "core/reports/HandoverProtocol.h"
#include "core/reports/KeyListReport.h"
#include "core/reports/KeyReaders.h"
#include "core/reports/PageText.h"
#include "core/reports/TableFormat.h"
#include "core/reports/TextBlocks.h"

#include <QTest>

using namespace varnox;

namespace {

const QDate kDay(2026, 12, 5);

// Every paragraph's text, and each table's cells joined by "|".
QStringList texts(const QList<Block>& blocks)
{
    QStringList out;
    for (const Block& block : blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block))
            out << p->text;
        else if (const auto* t = std::get_if<Table>(&block))
            for (const QStringList& row : t->rows)
                out << row.join(QLatin1Char('|'));
    }
    return out;
}

// Readers on two lines in the profile "Verwaltung"; the key "O'Brien" is
// linked with it, "Gast" is not linked.
struct KeyProject : test::ProjectFixture {
    KeyProject()
    {
        addProfile(QStringLiteral("Verwaltung"));
        addReader(QStringLiteral("Haupteingang"), QStringLiteral("1234"), 1, 5);
        addReader(QStringLiteral("Lager"), QStringLiteral("987654"), 9, 12);
        addAssignment(QStringLiteral("Verwaltung"), QStringLiteral("987654"));
        addAssignment(QStringLiteral("Verwaltung"), QStringLiteral("1234"));
        exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('00000000ABCD', 'O''Brien', 0)");
        exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('000000000001', 'gast', 0)");
        exec("INSERT INTO Zuschluessel (Schluessel, Profil) VALUES ('00000000ABCD', 'Verwaltung')");
    }
};

} // namespace

class TestReports : public QObject {
    Q_OBJECT

private slots:
    void tableFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("columns");
        QTest::newRow("key list") << QString("^+1200|+5600|^+2200;") << "1200c 5600l 2200c";
        QTest::newRow("one column") << QString("+9000;") << "9000l";
        QTest::newRow("right, no end") << QString(">800|<300") << "800r 300l";
        QTest::newRow("without widths") << QString("^|;") << "";
    }
    void tableFormats()
    {
        QFETCH(QString, format);
        QFETCH(QString, columns);
        QStringList got;
        for (const TableColumn& c : parseTableFormat(format))
            got << QString::number(c.width) + (c.align == Align::Centre ? "c" : c.align == Align::Right ? "r" : "l");
        QCOMPARE(got.join(' '), columns);
    }

    void headerAndFooterParts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parts");
        QTest::newRow("first pass") << firstPassFooter() << "/Seite 7 von ?\?/";
        QTest::newRow("numbered") << numberedFooter(12) << "//Seite 7 von 12";
        QTest::newRow("right, lines") << QString("||Liste\r\nProjektname: Süd\r\n05.12.2026")
                                      << "//Liste+Projektname: Süd+05.12.2026";
        QTest::newRow("left only") << QString("links %d") << "links 7//";
        QTest::newRow("bars in the right part") << QString("a|b|c|d") << "a/b/c|d";
    }
    void headerAndFooterParts()
    {
        QFETCH(QString, text);
        QFETCH(QString, parts);
        const ThreeParts got = splitThreeParts(text, 7);
        QCOMPARE(QStringList({ got.left.join('+'), got.centre.join('+'), got.right.join('+') }).join('/'), parts);
    }

    void textBlockFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("German") << 1031 << "ProTxt01_dt.txt";
        QTest::newRow("German (Luxembourg)") << 4103 << "ProTxt01_dt.txt";
        QTest::newRow("French") << 1036 << "ProTxt01_fr.txt";
        QTest::newRow("French (Belgium)") << 2060 << "ProTxt01_en.txt";
        QTest::newRow("English") << 1033 << "ProTxt01_en.txt";
    }
    void textBlockFollowsTheLanguage()
    {
        test::TempHome home;
        QFETCH(int, language);
        QFETCH(QString, file);
        QCOMPARE(textBlockPath(TextBlock::First, language), home.file("Texte/" + file));
        home.writeFile("Texte/" + file, "Block " + file.toUtf8() + "\n");
        home.writeFile("Texte/" + QString(file).replace("01", "02"), "zwei");
        QString first, second;
        QVERIFY(readHandoverBlocks(language, &first, &second));
        QCOMPARE(first, "Block " + file);
        QCOMPARE(second, "zwei");
    }

    void textBlockLinesAndEncodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("block");
        QTest::newRow("LF") << QByteArray("eins\nzwei\n") << "eins\r\nzwei";
        QTest::newRow("CR LF, empty line kept") << QByteArray("eins\r\n\r\nzwei") << "eins\r\n\r\nzwei";
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFSchl\xC3\xBCssel") << "Schlüssel";
        QTest::newRow("Latin-1") << QByteArray("Schl\xFCssel\n") << "Schlüssel";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void textBlockLinesAndEncodings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, block);
        test::TempHome home;
        home.writeFile("Texte/ProTxt02_dt.txt", content);
        QString read = "unchanged";
        QVERIFY(readTextBlock(TextBlock::Second, 1031, &read));
        QCOMPARE(read, block);
    }

    void missingTextBlockNamesItsFile()
    {
        test::TempHome home;
        home.writeFile("Texte/ProTxt01_dt.txt", "eins");
        QString first, second;
        const Outcome read = readHandoverBlocks(1031, &first, &second);
        QVERIFY(!read);
        QCOMPARE(read.message().text,
            QString::fromUtf8("Auf die Textdatei ProTxt02.txt im Verzeichnis Texte kann nicht\r\n"
                              "zugegriffen werden.\r\nSie beinhaltet den zweiten frei "
                              "konfigurierbaren Textbaustein\r\nfür das Übergabeprotokoll."));
        QCOMPARE(read.message().title, "Dateifehler");
        QCOMPARE(readHandoverBlocks(1033, &first, &second).message().text.left(42),
            "Auf die Textdatei ProTxt01.txt im Verzeich");
    }

    void seedingNeverOverwrites()
    {
        test::TempHome home;
        QVERIFY(seedTextBlocks());
        QCOMPARE(QDir(home.file("Texte")).entryList(QDir::Files).size(), 6);
        for (const int language : { 1031, 1033, 1036 }) {
            QString first, second;
            QVERIFY(readHandoverBlocks(language, &first, &second));
            QVERIFY(first.size() > 40 && second.size() > 40);
        }
        // The operator edits one block and deletes another: both stay as they are.
        home.writeFile("Texte/ProTxt01_dt.txt", "Eigener Text");
        QVERIFY(QFile::remove(home.file("Texte/ProTxt02_en.txt")));
        QVERIFY(seedTextBlocks());
        QCOMPARE(home.readFile("Texte/ProTxt01_dt.txt"), "Eigener Text");
        QVERIFY(!QFileInfo::exists(home.file("Texte/ProTxt02_en.txt")));
    }

    void readersOfAKeyAndTheirExport()
    {
        KeyProject project;
        QList<KeyChoice> keys;
        QVERIFY(readKeyChoices(project.path(), keys));
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys[0].name, "O'Brien");
        QList<QStringList> rows;
        QVERIFY(readReadersOfKey(project.path(), keys[0].number, rows));
        QCOMPARE(rows,
            QList<QStringList>({ { "000001", "  Lager", "987654", "  9", "  12" },
                { "000002", "  Haupteingang", "001234", "  1", "  5" } }));
        QCOMPARE(readerListExportText(kDay, rows).toUtf8(),
            QString::fromUtf8("Bezeichnung der einzelnen Türstationen (Stand 05.12.2026)\r\n\r\n"
                              "lfd. Nr.\tLeserbezeichnung\tSeriennummer\tBusID\tAS-Adresse\r\n"
                              "000001\t  Lager\t987654\t  9\t  12\r\n000002\t  Haupteingang\t001234\t  1\t  5\r\n")
                .toUtf8());
        QVERIFY(readReadersOfKey(project.path(), keys[1].number, rows));
        QVERIFY(rows.isEmpty());
    }

    void handoverProtocolHoldsBlocksStationsAndSignatures()
    {
        const Document doc = handoverDocument({ .keyName = "O'Brien",
            .readers = { { "000001", "  Lager", "987654", "  9", "  12" } },
            .firstBlock = "Erster\r\nBlock",
            .secondBlock = "Zweiter",
            .day = kDay });
        QCOMPARE(doc.name, " Leserliste O'Brien");
        QCOMPARE(doc.footer, "|Seite %d von ??|");
        QCOMPARE(texts(doc.blocks),
            QStringList({ QString::fromUtf8("Übergabeprotokoll"), "Bezeichnung des Schlüssels:   O'Brien",
                "Erster\r\nBlock", QString::fromUtf8("Bezeichnung der einzelnen Türstationen (Stand 05.12.2026)"),
                "000001|Lager|987654|9|12", "Zweiter", "_________________________|_________________________",
                QString::fromUtf8("Unterschrift des Schlüsselempfängers|Ort & Datum") }));
        QCOMPARE(doc.style.family, "Times New Roman");
    }

    void listOfAllKeysAndItsExport()
    {
        KeyProject project;
        QList<KeyListRow> keys;
        QVERIFY(readAllKeys(project.path(), keys));
        const Document doc = keyListDocument("Werk Süd", kDay, keys);
        QCOMPARE(doc.header,
            QString::fromUtf8("||Liste aller registrierten Schlüssel\r\nProjektname: Werk Süd\r\n05.12.2026"));
        QCOMPARE(doc.blocks.size(), 1);
        const Table& table = std::get<Table>(doc.blocks[0]);
        QCOMPARE(table.header, QStringList({ "lfd. Nr.", QString::fromUtf8("Schlüsselbezeichnung"), "Schlüssel-Nr." }));
        QCOMPARE(table.style.family, "Courier");
        QCOMPARE(table.rows,
            QList<QStringList>({ { "000001", "gast", "000000000001" }, { "000002", "O'Brien", "00000000ABCD" } }));
        QCOMPARE(keyListExportText(kDay, keys).toUtf8(),
            QString::fromUtf8("Liste aller registrierten Schlüssel\r\nStand vom 05.12.2026\r\n\r\n"
                              "lfd. Nr.\tSchlüsselbezeichnung\tSchlüssel-Nr.\r\n000001\tgast\t000000000001\r\n"
                              "000002\tO'Brien\t00000000ABCD\r\n")
                .toUtf8());
        QVERIFY(keyListDocument("Leer", kDay, {}).isEmpty());
    }

    void dailyProtocolPrintsEveryRecordWithItsMark()
    {
        test::ProtocolHome home(QDateTime(kDay, QTime(6, 0, 0)));
        home.protocol.write("Programm gestartet");
        home.clock.advanceSecs(1);
        home.protocol.write("Leser\tmit Tab");
        test::appendBytes(DailyProtocol::filePath(kDay), "beschaedigt\r\n\r\n06:00:02\tnachgetragen\r\n");

        DayReport report(home.protocol.cipher(), kDay);
        Document doc;
        QVERIFY(report.open(doc));
        QCOMPARE(doc.header, "||Tagesprotokoll vom 05.12.2026");
        QCOMPARE(doc.name, " Protokoll 05.12.2026");
        QList<Block> blocks;
        QVERIFY(!report.next(blocks));
        QCOMPARE(report.percent(), 100);
        QCOMPARE(texts(blocks),
            QStringList({ "06:00:00\tProgramm gestartet", "06:00:01\tLeser\tmit Tab",
                QString::fromUtf8("\t\t[nicht entschlüsselbar]"),
                QString::fromUtf8("06:00:02\tnachgetragen  [nicht verschlüsselt]") }));
        QVERIFY(std::get<Paragraph>(blocks[2]).style.marked && !std::get<Paragraph>(blocks[1]).style.marked);
        QVERIFY(!QFileInfo::exists(home.home.file("log/~hlv05122026.tmp")));

        DayReport missing(home.protocol.cipher(), kDay.addDays(1));
        const Outcome opened = missing.open(doc);
        QCOMPARE(opened.message().text, QString::fromUtf8("Für diesen Tag existiert keine Protokolldatei."));
    }

    void plainProtocolForPrint()
    {
        const Document doc = plainDayDocument(kDay, "06:00:00\tA\r\n06:00:01\tB\r\n");
        QCOMPARE(texts(doc.blocks), QStringList({ "Tagesprotokoll vom 05.12.2026", "06:00:00\tA", "06:00:01\tB" }));
        QCOMPARE(std::get<Paragraph>(doc.blocks[0]).style, (TextStyle { "Arial", 14, true, false }));
        QVERIFY(std::holds_alternative<Rule>(doc.blocks[2]));
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
