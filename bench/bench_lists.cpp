// Fills the reader page with 960 readers (every address of every bus line)
// and the function page with 2,000 functions, as the pages do when they are
// selected, and prints how long it takes. Target: 150 ms each.
//   QT_QPA_PLATFORM=offscreen build/bench/varnox-bench-lists [runs]
#include "PageServices.h"
#include "core/lang/Texts.h"
#include "core/model/BusLineList.h"
#include "core/model/FunctionOperations.h"
#include "core/model/ReaderOperations.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/functions/FunctionsPage.h"
#include "ui/pages/readers/ReadersPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <algorithm>
#include <cstdio>

using namespace varnox;

namespace {

bool createReaders(const QString& path)
{
    const ReaderOperations operations(path);
    int serial = 100000;
    for (int position = 0; position < BusLineList::kCount; ++position) {
        for (int address = 0; address < 64; ++address) {
            ReaderForm f;
            f.type = 0;
            f.name = QStringLiteral("Leser %1-%2").arg(BusLineList::lineAt(position)).arg(address);
            f.serial = QString::number(++serial);
            f.busPosition = position;
            f.address = address;
            f.mode = address % 3 ? ReaderMode::Central : ReaderMode::Decentral;
            f.function = 0;
            if (!operations.create(f))
                return false;
        }
    }
    return true;
}

bool createFunctions(const QString& path, int count)
{
    const FunctionOperations operations(path);
    for (int i = 0; i < count; ++i) {
        FunctionForm f;
        f.name = QStringLiteral("Funktion %1").arg(i + 1, 4, 10, QLatin1Char('0'));
        f.busPosition = i % BusLineList::kCount;
        f.kind = FunctionKind::Control;
        f.serial = QString::number(i);
        f.controlNumber = i % 200;
        if (!operations.create(f))
            return false;
    }
    return true;
}

// Times pageShown() and the painting that follows it; prints the median and
// the worst of `runs` runs.
template <typename PageType>
void measure(const char* what, PageType& page, const char* listName, int runs)
{
    page.resize(1000, 620);
    page.show();
    QCoreApplication::processEvents();
    QList<double> times;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        page.pageShown();
        QCoreApplication::processEvents();
        times << timer.nsecsElapsed() / 1e6;
        rows = page.template findChild<QListWidget*>(QLatin1String(listName))->count();
    }
    std::sort(times.begin(), times.end());
    std::printf("%-28s %5d rows  median %7.1f ms  worst %7.1f ms  (%d runs, target 150 ms)\n", what, rows,
                times[times.size() / 2], times.last(), runs);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    InitTexts();
    MessageBox::setUnattended(true);
    test::PageServices env;
    QElapsedTimer setup;
    setup.start();
    if (!createReaders(env.project.path()) || !createFunctions(env.project.path(), 2000)) {
        std::fprintf(stderr, "could not fill the test project\n");
        return 1;
    }
    std::printf("project filled through the operations: 2960 creates in %.1f s, %.1f ms each\n", setup.elapsed() / 1000.0,
                setup.elapsed() / 2960.0);

    ReadersPage readers(env.services);
    measure("reader list (ListViewLes)", readers, "ListViewLes", runs);
    FunctionsPage functions(env.services);
    measure("function list (ListViewFkt)", functions, "ListViewFkt", runs);
    return 0;
}
