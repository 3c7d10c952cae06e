// How long the printed documents take: the list of 20,000 keys and the daily
// protocol of a day of 100,000 records, each composed, laid out for A4 and
// written to a PDF file. Also the longest single step of the preview's
// composition, which is how long the window may stop answering. Prints
// figures; targets: the key list within 3 s, the day within 5 s. Beside the
// time on the clock each total gives the processor time the program got,
// which tells more on a machine shared with other work.
// Optional argument: the number of runs of each (default 3).
#include "PageServices.h"
#include "core/online/DayFiles.h"
#include "core/reports/DayReport.h"
#include "core/reports/KeyListReport.h"
#include "ui/print/DocumentLayouter.h"
#include "ui/print/PagePainter.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace varnox;

namespace {

constexpr int kKeys = 20000;
constexpr int kRecords = 100000;
const QDate kDay(2026, 12, 5);

struct Figures {
    QList<double> ms;
    void add(double value) { ms << value; }
    void print(const char* what, double target = 0)
    {
        std::sort(ms.begin(), ms.end());
        std::printf("%-46s median %8.1f ms  min %8.1f  max %8.1f", what, ms[ms.size() / 2], ms.first(), ms.last());
        if (target > 0)
            std::printf("  (target %.0f ms)", target);
        std::printf("\n");
    }
};

double cpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double since(QElapsedTimer& t)
{
    const double ms = t.nsecsElapsed() / 1e6;
    t.start();
    return ms;
}

// A busy day: records as the writer seals them, in one chain, with texts as
// the evaluation of key requests writes them: three grants to one refusal,
// the refusals long enough to run onto a second line.
void writeDay(const LineCipher& cipher)
{
    QDir().mkpath(ProgramFolder::logDir());
    QFile file(DailyProtocol::filePath(kDay));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the day file");
    ChainLink link;
    for (int i = 0; i < kRecords; ++i) {
        const QTime time = QTime(0, 0).addMSecs(qint64(i) * 86399000 / kRecords);
        QString text = QStringLiteral("Schlüsselbezeichnung: Mitarbeiter %1").arg(i % 5000);
        if (i % 4 == 3)
            text += QStringLiteral(" - Anfrage am Leser HAUPTEINGANG NORD BUS 3 - ausserhalb der erlaubten Zeit");
        ChainLink sealed;
        file.write(
            cipher.seal(time.toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('\t') + text, link, kDay, &sealed)
            + "\r\n\r\n");
        link = sealed;
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    test::PageServices s;
    s.project.addProfile(QStringLiteral("P"));
    s.project.addKeys(QStringLiteral("P"), kKeys);
    writeDay(s.protocol.cipher());
    const QString pdf = s.project.home().file(QStringLiteral("out.pdf"));
    std::printf("%d keys; a day of %d records (%lld bytes)\n", kKeys, kRecords,
        static_cast<long long>(QFileInfo(DailyProtocol::filePath(kDay)).size()));

    Figures keyRead, keyLayout, keyPdf, keyTotal, keyCpu;
    int keyPages = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t, total;
        t.start();
        total.start();
        const double cpu = cpuMs();
        QList<KeyListRow> keys;
        readAllKeys(s.workCopy, keys);
        const Document doc = keyListDocument(QStringLiteral("Bench"), kDay, keys);
        keyRead.add(since(t));
        const LaidOutDocument laidOut = layOutNumbered(doc, PageFrame::a4());
        keyLayout.add(since(t));
        if (!writePdf(laidOut, pdf))
            qFatal("cannot write the PDF file");
        keyPdf.add(since(t));
        keyTotal.add(total.nsecsElapsed() / 1e6);
        keyCpu.add(cpuMs() - cpu);
        keyPages = laidOut.pageCount();
    }
    std::printf("key list: %d pages, PDF %lld bytes\n", keyPages, static_cast<long long>(QFileInfo(pdf).size()));
    keyRead.print("read and compose 20,000 keys");
    keyLayout.print("lay out (two passes)");
    keyPdf.print("write the PDF file");
    keyTotal.print("key list to PDF, in all", 3000);
    keyCpu.print("  processor time of it");

    Figures dayRead, dayCompose, dayPdf, dayTotal, dayCpu, longestStep;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        DayReport report(s.protocol.cipher(), kDay);
        Document doc;
        QList<Block> blocks;
        if (!report.open(doc))
            qFatal("cannot open the day");
        while (report.next(blocks))
            blocks.clear();
        dayRead.add(since(t));
    }
    int dayPages = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t, total, step;
        t.start();
        total.start();
        const double cpu = cpuMs();
        DayReport report(s.protocol.cipher(), kDay);
        Document doc;
        if (!report.open(doc))
            qFatal("cannot open the day");
        DocumentLayouter layouter(PageFrame::a4(), doc);
        double longest = 0;
        bool more = true;
        while (more) {
            step.start();
            QList<Block> blocks;
            more = report.next(blocks);
            layouter.add(blocks);
            longest = std::max(longest, step.nsecsElapsed() / 1e6);
        }
        LaidOutDocument laidOut = layouter.finish();
        numberPages(laidOut);
        dayCompose.add(since(t));
        longestStep.add(longest);
        if (!writePdf(laidOut, pdf))
            qFatal("cannot write the PDF file");
        dayPdf.add(since(t));
        dayTotal.add(total.nsecsElapsed() / 1e6);
        dayCpu.add(cpuMs() - cpu);
        dayPages = laidOut.pageCount();
    }
    std::printf("daily protocol: %d pages, PDF %lld bytes\n", dayPages, static_cast<long long>(QFileInfo(pdf).size()));
    dayCompose.print("read, decipher, compose and lay out the day");
    dayRead.print("  of which reading and deciphering");
    longestStep.print("longest step of the preview's composition");
    dayPdf.print("write the PDF file");
    dayTotal.print("daily protocol to PDF, in all", 5000);
    dayCpu.print("  processor time of it");
    return 0;
}
