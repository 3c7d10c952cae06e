// Kills a process in the middle of saving a project, again and again, and
// checks after every kill that the project file is sound and holds either
// the state before the save or the state saved.
//
//   varnox-save-torture <runs> [small|full]    the check
//   varnox-save-torture save <folder> <name>   one save (the process killed)
#include "LargeProject.h"
#include "ProjectFiles.h"
#include "core/project/ProjectSaver.h"
#include "core/project/ProjectTemplate.h"
#include "core/project/SafeWrite.h"
#include "core/shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <signal.h>

using namespace varnox;

namespace {

int saveOnce(const QString& folder, const QString& name)
{
    qputenv("VARNOX_HOME", QFile::encodeName(folder));
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return CopyBack(QStringLiteral("~hlv") + name + QStringLiteral(".tmp")).isEmpty() ? 1 : 0;
}

struct Round {
    QString self;
    QString folder;
    QString project;
    QString pristine;  // the project file as it was before any save
};

// Runs one save and kills it `killAfterUs` microseconds after it began to
// write (< 0: lets it finish). Returns how long the save ran, -1 on failure.
qint64 runSave(const Round& r, qint64 killAfterUs)
{
    QProcess child;
    child.start(r.self, {QStringLiteral("save"), r.folder, QStringLiteral("Anlage")});
    if (!child.waitForReadyRead(10000))
        return -1;
    QElapsedTimer timer;
    timer.start();
    if (killAfterUs >= 0) {
        QThread::usleep(quint64(killAfterUs));
        ::kill(pid_t(child.processId()), SIGKILL);
    }
    child.waitForFinished(10000);
    const bool ok = killAfterUs >= 0 || (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0);
    return ok ? timer.nsecsElapsed() / 1000 : -1;
}

void restoreOldState(const Round& r)
{
    QFile::remove(r.project);
    QFile::copy(r.pristine, r.project);
}

int torture(const QString& self, int runs, bool full)
{
    QTemporaryDir home;
    qputenv("VARNOX_HOME", QFile::encodeName(home.path()));
    QDir().mkpath(ProgramFolder::projectsDir());
    const QString projects = ProgramFolder::projectsDir() + QLatin1Char('/');
    Round r {self, home.path(), projects + "Anlage.mdb", home.filePath("pristine.mdb")};
    bench::ProjectSize size;
    if (!full)
        size = {3, 64, 3000, 100, 30, 600};
    writeProjectTemplate(r.pristine);
    bench::fillProject(r.pristine, {1, 8, 50, 5, 5, 10});
    test::writeProject(projects + "~hlvAnlage.tmp", test::Layout::Version8);
    bench::fillProject(projects + "~hlvAnlage.tmp", size);
    const QByteArray oldState = test::projectDigest(r.pristine);
    const QByteArray newState = test::projectDigest(projects + "~hlvAnlage.tmp");

    QList<qint64> durations;
    for (int i = 0; i < 3; ++i) {
        restoreOldState(r);
        durations << runSave(r, -1);
        if (durations.last() < 0 || test::projectDigest(r.project) != newState) {
            std::printf("an uninterrupted save failed\n");
            return 1;
        }
    }
    std::sort(durations.begin(), durations.end());
    const qint64 window = durations[1] * 13 / 10;
    std::printf("%d kills at random moments up to %.1f ms after the save began (a whole save takes %.1f ms)\n", runs,
                window / 1000.0, durations[1] / 1000.0);

    int sawOld = 0, sawNew = 0, bad = 0, leftTemp = 0;
    for (int i = 0; i < runs; ++i) {
        restoreOldState(r);
        runSave(r, QRandomGenerator::global()->bounded(window));
        const QString integrity = test::integrityCheck(r.project);
        const QByteArray state = integrity == "ok" ? test::projectDigest(r.project) : QByteArray();
        leftTemp += QFile::exists(snapshotTempPath(r.project));
        if (state == oldState)
            ++sawOld;
        else if (state == newState)
            ++sawNew;
        else {
            ++bad;
            std::printf("run %d: damaged or mixed project file: %s\n", i + 1,
                        qPrintable(integrity.section('\n', 0, 1)));
        }
    }
    restoreOldState(r);
    const bool cleanAfterwards = runSave(r, -1) >= 0 && !QFile::exists(snapshotTempPath(r.project));
    std::printf("old state %d, new state %d, damaged or mixed %d; a temporary file was left %d times, "
                "the next save %s\n",
                sawOld, sawNew, bad, leftTemp, cleanAfterwards ? "succeeded and removed it" : "FAILED");
    return bad == 0 && cleanAfterwards ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "save")
        return saveOnce(args[2], args[3]);
    if (args.size() < 2 || args[1].toInt() < 1) {
        std::fprintf(stderr, "usage: %s <runs> [small|full]\n", argv[0]);
        return 2;
    }
    return torture(app.applicationFilePath(), args[1].toInt(), args.value(2) == "full");
}
