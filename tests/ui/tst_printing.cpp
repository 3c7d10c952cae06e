// The print previews composed to PDF and read back with pdftotext: the
// handover protocol, the list of all keys, the daily protocol, the two
// passes of page numbering, printing, and the exports of the windows.
#include "PageServices.h"
#include "ProjectFiles.h"
#include "WidgetDriver.h"
#include "core/online/DayFileReader.h"
#include "core/reports/KeyListReport.h"
#include "core/reports/KeyReaders.h"
#include "core/reports/TextBlocks.h"
#include "ui/print/DocumentLayouter.h"
#include "ui/print/PdfFile.h"
#include "ui/print/PreviewView.h"
#include "ui/print/PrintFonts.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/TextWrap.h"
#include "ui/protocol/FrmLogAnz.h"
#include "ui/reports/FrmKeyAll.h"
#include "ui/reports/FrmKeyList.h"
#include "ui/reports/FrmKeyListPrint.h"
#include "ui/reports/FrmPrint.h"
#include "ui/reports/ReportActions.h"

#include <QCalendarWidget>
#include <QProcess>
#include <QScrollBar>
#include <QTreeWidget>

using namespace varnox;
using namespace varnox::test;

namespace {

const QDate kDay(2026, 12, 5);

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF file (one page of it, from 1), blanks run together.
QString pdfText(const QString& path, int page = 0)
{
    QStringList args { QStringLiteral("-layout") };
    if (page > 0)
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    return run("pdftotext", args << path << "-").simplified();
}

int pdfPages(const QString& path)
{
    const QString info = run("pdfinfo", { path });
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(info).captured(1).toInt();
}

void waitComposed(const PreviewWindow& window)
{
    QDeadlineTimer deadline(60000);
    while (window.composing() && !deadline.hasExpired())
        QCoreApplication::processEvents();
    QVERIFY(!window.composing());
}

// A project with the profile "Verwaltung" of two readers, the key "O'Brien"
// linked with it and "Gast" without a link; the text blocks seeded.
struct Project : PageServices {
    QTemporaryDir out;

    Project()
    {
        clock.set(QDateTime(kDay, QTime(9, 0)));
        protocol.setSwitches({ 255, true });
        seedTextBlocks();
        project.addProfile("Verwaltung");
        project.addReader("Haupteingang", "1234", 1, 5);
        project.addReader("Lager", "987654", 9, 12);
        project.addAssignment("Verwaltung", "1234");
        project.addAssignment("Verwaltung", "987654");
        project.exec(
            "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('00000000ABCD', 'O''Brien', 0)");
        project.exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('000000000001', 'Gast', 0)");
        project.exec("INSERT INTO Zuschluessel (Schluessel, Profil) VALUES ('00000000ABCD', 'Verwaltung')");
    }
    QString pdf(const QString& name) const { return out.filePath(name + ".pdf"); }
    // The texts the daily protocol holds (enciphered) for the day.
    QStringList written() const
    {
        QFile file(DailyProtocol::filePath(kDay));
        QStringList texts;
        if (file.open(QIODevice::ReadOnly))
            for (const DayEntry& entry : readDayFile(file.readAll(), protocol.cipher(), kDay))
                texts << entry.text();
        return texts;
    }

    // Saves what the preview shows through its button.
    QString save(const PreviewWindow& preview, const QString& name) const
    {
        queuePdfPath(pdf(name));
        click(&preview, "CmdPdf");
        return pdf(name);
    }
};

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        unattendedMessages();
        PrinterChoice::redirectToPdf({});
    }

    void handoverOfAKeyThatOpensNoReader()
    {
        Project p;
        FrmKeyList window(p.services);
        choose(&window, "CmbKey", "Gast");
        QCOMPARE(control<QLabel>(&window, "LblKeyCount")->text(), "0");
        QString pdf;
        whenModal<FrmKeyListPrint>([&](FrmKeyListPrint* preview) {
            waitComposed(*preview);
            QCOMPARE(control<QLabel>(preview, "LblSeite")->text(), "Seite 1 von 1");
            pdf = p.save(*preview, "handover");
            preview->accept();
        });
        press(&window, "CmdKeyPrint");
        const QString text = pdfText(pdf);
        QCOMPARE(pdfPages(pdf), 1);
        for (const char* expected :
            { "Übergabeprotokoll", "Bezeichnung des Schlüssels: Gast", "Mit diesem Protokoll erhält",
                "(Stand 05.12.2026)", "lfd. Nr. Leserbezeichnung Seriennummer BusID AS-Adresse",
                "Der Empfänger bestätigt", "Unterschrift des Schlüsselempfängers", "Seite 1 von 1" })
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!text.contains("??"));
        QVERIFY(p.written().contains(QString::fromUtf8("Menü 'Leserliste drucken' aufgerufen")));
    }

    void keyWithApostropheFindsItsReadersAndExportsThem()
    {
        Project p;
        FrmKeyList window(p.services);
        choose(&window, "CmbKey", "O'Brien");
        QCOMPARE(control<QTreeWidget>(&window, "ListViewKeyLes")->topLevelItemCount(), 2);
        QCOMPARE(control<QTreeWidget>(&window, "ListViewKeyLes")->topLevelItem(1)->text(1), "  Lager");
        QCOMPARE(control<QLabel>(&window, "LblKeyCount")->text(), "2");
        press(&window, "CmdExport");
        QList<QStringList> rows;
        QVERIFY(readReadersOfKey(p.workCopy, "00000000ABCD", rows));
        QCOMPARE(QApplication::clipboard()->text(), readerListExportText(kDay, rows));
        QCOMPARE(p.written().last(), QString::fromUtf8("Schlüsselliste exportiert"));
    }

    void withoutKeyOrTextBlockNothingIsPreviewed()
    {
        Project p;
        QApplication::clipboard()->setText("vorher");
        FrmKeyList window(p.services);
        press(&window, "CmdKeyPrint");
        press(&window, "CmdExport");
        QCOMPARE(MessageBox::shown().size(), 2);
        QCOMPARE(lastMessageTitle(), QString::fromUtf8("Schlüssel fehlt"));
        QCOMPARE(QApplication::clipboard()->text(), "vorher");

        QVERIFY(QFile::remove(p.project.home().file("Texte/ProTxt02_dt.txt")));
        choose(&window, "CmbKey", "Gast");
        press(&window, "CmdKeyPrint"); // no preview comes up: a modal one would hang here
        QCOMPARE(lastMessageTitle(), "Dateifehler");
        QVERIFY(MessageBox::shown().last().text.contains("ProTxt02.txt"));
        QVERIFY(!p.written().contains(QString::fromUtf8("Menü 'Leserliste drucken' aufgerufen")));
    }

    void listOfAllKeysOnThreePages()
    {
        Project p;
        p.project.addKeys("Verwaltung", 98, 100);
        // A name beyond the Latin scripts takes the text engine's way onto the page.
        p.project.exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('0000000000FF', ?, 0)",
            QString::fromUtf8("Иван Łukasz"));
        PrinterChoice::redirectToPdf(p.pdf("printed"));
        QString pdf;
        whenModal<FrmKeyAll>([&](FrmKeyAll* preview) {
            waitComposed(*preview);
            QCOMPARE(preview->document().pageCount(), 3);
            pdf = p.save(*preview, "keys");
            control<QScrollBar>(preview, "HScrollSeite")->setValue(2);
            QCOMPARE(control<QLabel>(preview, "LblSeite")->text(), "Seite 2 von 3");
            press(preview, "CmdAktSeite");
            press(preview, "CmdExport");
            preview->accept();
        });
        openKeyList(p.services, nullptr);
        QCOMPARE(pdfPages(pdf), 3);
        for (int page = 1; page <= 3; ++page) {
            const QString text = pdfText(pdf, page);
            QVERIFY2(text.contains(QStringLiteral("Seite %1 von 3").arg(page)), qPrintable(text.right(80)));
            QVERIFY(
                text.contains(QString::fromUtf8("Liste aller registrierten Schlüssel Projektname: test 05.12.2026")));
            QVERIFY2(text.contains(QString::fromUtf8("lfd. Nr. Schlüsselbezeichnung Schlüssel-Nr.")),
                qPrintable(text.left(300)));
        }
        QVERIFY(pdfText(pdf, 1).contains("000001 Gast 000000000001"));
        QVERIFY(pdfText(pdf, 3).contains("000100 Schlüssel 000000000197 000000000197"));
        QVERIFY(pdfText(pdf, 3).contains(QString::fromUtf8("000101 Иван Łukasz 0000000000FF")));
        QCOMPARE(pdfPages(p.pdf("printed")), 1);
        QVERIFY(pdfText(p.pdf("printed")).contains("Seite 2 von 3"));

        QList<KeyListRow> keys;
        QVERIFY(readAllKeys(p.workCopy, keys));
        QCOMPARE(QApplication::clipboard()->text(), keyListExportText(kDay, keys));
        QCOMPARE(p.written().mid(p.written().size() - 2),
            QStringList({ QString::fromUtf8("Menü 'Schlüsselliste drucken' aufgerufen"),
                QString::fromUtf8("Schlüsselliste exportiert") }));
    }

    void withoutKeysTheListIsEmpty()
    {
        Project p;
        p.project.exec("DELETE FROM Schluessel");
        QApplication::clipboard()->setText("vorher");
        FrmKeyAll preview(p.services);
        waitComposed(preview);
        QCOMPARE(preview.document().pageCount(), 0);
        QVERIFY(!enabled(&preview, "CmdAlleSeiten") && !enabled(&preview, "CmdPdf"));
        press(&preview, "CmdExport");
        QCOMPARE(MessageBox::shown().last().text, QString::fromUtf8("Keine Schlüssel zum Kopieren vorhanden!"));
        QCOMPARE(QApplication::clipboard()->text(), "vorher");
    }

    void longLinesWrapUnderTheirText()
    {
        const TextMeasure measure(printFont({}));
        const QFontMetricsF& metrics = measure.metrics();
        TextWrap wrap(measure, 4000, DocumentLayouter::kTabStop);
        const QList<WrappedLine> lines
            = wrap.wrap("06:00:00\t" + QString("Leser Haupteingang meldet ").repeated(4) + "X" + QString(90, 'W'));
        QVERIFY(lines.size() >= 4);
        QCOMPARE(lines[0].pieces.value(1).x, 1440.0); // the text after the TAB
        QStringList joined;
        for (const WrappedLine& line : lines) {
            QVERIFY(line.width <= 4000);
            QCOMPARE(
                line.pieces.last().x + metrics.horizontalAdvance(line.pieces.last().text.trimmed()) <= 4000.5, true);
            if (&line != &lines[0])
                QCOMPARE(line.pieces.first().x, 1440.0);
            for (const WrappedLine::Piece& piece : line.pieces)
                joined << piece.text;
        }
        QCOMPARE(joined.join("").remove(' '),
            ("06:00:00" + QString("LeserHaupteingangmeldet").repeated(4) + "X" + QString(90, 'W')));
    }

    void dailyProtocolPreview()
    {
        Project p;
        p.protocol.write("Programm gestartet");
        test::appendBytes(DailyProtocol::filePath(kDay), "beschaedigt\r\n\r\n");

        FrmPrint preview(p.protocol, kDay);
        waitComposed(preview);
        QCOMPARE(control<QCalendarWidget>(&preview, "MonthView1")->dateTextFormat(kDay).fontWeight(), int(QFont::Bold));
        const QString text = pdfText(p.save(preview, "day"));
        for (const char* expected : { "Tagesprotokoll vom 05.12.2026", "09:00:00 Programm gestartet",
                 "[nicht entschlüsselbar]", "Seite 1 von 1" })
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!QFileInfo::exists(p.project.home().file("log/~hlv05122026.tmp")));

        press(&preview, "CmdOrientation");
        waitComposed(preview);
        QCOMPARE(control<QPushButton>(&preview, "CmdOrientation")->text(), "Querformat");
        QVERIFY(preview.document().frame.paper().width() > preview.document().frame.paper().height());
        QVERIFY(pdfText(p.save(preview, "landscape")).contains("Programm gestartet"));

        preview.chooseDay(kDay.addDays(1));
        QCOMPARE(MessageBox::shown().last().text, QString::fromUtf8("Für diesen Tag existiert keine Protokolldatei."));
        QCOMPARE(preview.document().pageCount(), 0);
    }

    void zoomByListAndDoubleClick()
    {
        Project p;
        p.protocol.write("Programm gestartet");
        FrmPrint preview(p.protocol, kDay);
        preview.show();
        waitComposed(preview);
        auto* mode = control<QComboBox>(&preview, "CmbZoomMode");
        auto* percent = control<QComboBox>(&preview, "CmbZoom");
        QCOMPARE(percent->count(), 20);
        QCOMPARE(percent->itemText(19), "400 %");
        QVERIFY(!percent->isEnabled());
        choose(&preview, "CmbZoomMode", "Seitenbreite");
        QCOMPARE(preview.view()->zoom(), PreviewView::Zoom::PageWidth);
        choose(&preview, "CmbZoomMode", "Prozentsatz");
        choose(&preview, "CmbZoom", "60 %");
        QVERIFY(percent->isEnabled());
        QCOMPARE(preview.view()->percent(), 60);
        QTest::mouseDClick(preview.view()->viewport(), Qt::LeftButton);
        QTest::mouseDClick(preview.view()->viewport(), Qt::LeftButton);
        QTest::mouseDClick(preview.view()->viewport(), Qt::RightButton);
        QCOMPARE(preview.view()->percent(), 80);
        QCOMPARE(percent->currentText(), "80 %");
        choose(&preview, "CmbZoomMode", "Ganze Seite");
        QTest::mouseDClick(preview.view()->viewport(), Qt::LeftButton);
        QCOMPARE(mode->currentText(), "Prozentsatz");
        QCOMPARE(percent->currentData().toInt(), preview.view()->percent());
    }

    void filesThatCannotBeWrittenAreReported()
    {
        Project p;
        FrmKeyAll preview(p.services);
        waitComposed(preview);
        const QString nowhere = p.out.filePath("fehlt/keys.pdf");
        queuePdfPath(nowhere);
        press(&preview, "CmdPdf");
        QVERIFY(MessageBox::shown().last().text.startsWith("Die PDF-Datei kann nicht geschrieben werden:"));
        PrinterChoice::redirectToPdf(nowhere);
        FrmKeyAll printing(p.services);
        waitComposed(printing);
        press(&printing, "CmdAlleSeiten");
        QVERIFY(MessageBox::shown().last().text.startsWith("Der Drucker kann nicht benutzt werden:"));
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    void viewerPrintsThePlainProtocolOnlyWhenAsked()
    {
        Project p;
        p.protocol.setSwitches({ 255, false });
        p.protocol.write("Programm gestartet");
        PrinterChoice::redirectToPdf(p.pdf("plain"));
        FrmLogAnz viewer(p.protocol);
        MessageBox::queueAnswer(Answer::No);
        press(&viewer, "CmdPrint");
        QVERIFY(!QFileInfo::exists(p.pdf("plain")));
        MessageBox::queueAnswer(Answer::Yes);
        press(&viewer, "CmdPrint");
        QCOMPARE(MessageBox::shown().first().text, "Möchten Sie das Tagesprotokoll vom 05.12.2026 drucken?");
        const QString text = pdfText(p.pdf("plain"));
        QVERIFY2(text.startsWith("Tagesprotokoll vom 05.12.2026 09:00:00 Programm gestartet"), qPrintable(text));
        QCOMPARE(p.written().last(), "Tagesprotokoll gedruckt");
    }

    void viewerOpensThePreviewOfItsDay()
    {
        Project p;
        p.protocol.write("Programm gestartet");
        FrmLogAnz viewer(p.protocol);
        control<QCalendarWidget>(&viewer, "MonthView1")->setSelectedDate(kDay.addDays(-1));
        whenModal<FrmPrint>([&](FrmPrint* preview) {
            QCOMPARE(preview->day(), kDay.addDays(-1));
            waitComposed(*preview);
            preview->accept();
        });
        press(&viewer, "CmdPrint");
        QCOMPARE(p.written().last(), QString::fromUtf8("Menü 'Tagesprotokoll drucken' aufgerufen"));
        QCOMPARE(lastMessageTitle(), "Dateifehler"); // that day has no file
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
