// Prints how long opening, upgrading and saving a large project take.
#include "LargeProject.h"
#include "ProjectFiles.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/ProjectSaver.h"
#include "core/project/ProjectTemplate.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Operator.h"
#include "core/shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace varnox;

namespace {

class CountingOperator final : public Operator {
public:
    int messages = 0;
    Answer ask(const Message& message, Buttons) override
    {
        ++messages;
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
        return Answer::No;
    }
};

struct Figures {
    double median = 0;
    double worst = 0;
};

// Runs `prepare` untimed and `measured` timed, `runs` times.
Figures measure(int runs, const std::function<void()>& prepare, const std::function<void()>& measured)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        measured();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return {times[runs / 2], times.last()};
}

void report(const char* what, const Figures& f, double target)
{
    std::printf("%-34s median %7.1f ms   worst %7.1f ms   target <= %5.0f ms   %s\n", what, f.median, f.worst, target,
                f.worst <= target ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir home;
    qputenv("VARNOX_HOME", QFile::encodeName(home.path()));
    QDir().mkpath(ProgramFolder::projectsDir());
    const QString projects = ProgramFolder::projectsDir() + QLatin1Char('/');
    const bench::ProjectSize size;  // 960 readers, 20,000 keys, 500 profiles, 100 zones, 5,000 assignments

    writeProjectTemplate(projects + "Gross.mdb");
    bench::fillProject(projects + "Gross.mdb", size);
    test::writeProject(projects + "Alt.mdb", test::Layout::Version3);
    bench::fillProject(projects + "Alt.mdb", size);
    std::printf("project: %d readers, %d keys, %d profiles, %d time zones, %d assignments; %.1f MB\n",
                size.busLines * size.readersPerLine, size.keys, size.profiles, size.timeZones, size.assignments,
                QFileInfo(projects + "Gross.mdb").size() / 1048576.0);
    std::printf("%d runs each\n", runs);

    CountingOperator op;
    bool ok = true;
    const auto discard = [](const char* name) { return [name] { DiscardWorkCopy(QString::fromLatin1(name)); }; };
    report(
        "open (work copy + check)",
        measure(runs, discard("~hlvGross.tmp"), [&] { ok &= CheckAndUpgrade(MakeWorkCopy("Gross.mdb", op).name, op); }),
        300);
    report("upgrade version 3 (copy + check)",
           measure(runs, discard("~hlvAlt.tmp"), [&] { ok &= CheckAndUpgrade(MakeWorkCopy("Alt.mdb", op).name, op); }),
           2000);
    const auto change = [&] {
        test::execSql(ProgramFolder::projectsDir() + "/~hlvGross.tmp",
                      "UPDATE Leser SET Modify = 1 - Modify WHERE rowid = 1");
    };
    report("save (CopyBack)", measure(runs, change, [&] { ok &= !CopyBack("~hlvGross.tmp").isEmpty(); }), 300);
    ok &= op.messages == 0;
    return ok ? 0 : 1;
}
