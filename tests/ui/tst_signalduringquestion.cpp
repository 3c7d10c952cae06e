// A termination signal that comes while a question is open ends the program
// at once, as a signal does elsewhere: the open question is not taken for an
// answer, "Programm beendet" is the last line of the protocol, the work copy
// keeps its changes for the next start, and nothing after it runs. The
// program really ends, so each case runs in a child process of this test.
#include "ProgramRunRig.h"
#include "ProjectFiles.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/SignalWatcher.h"

#include <QAction>
#include <QMessageBox>
#include <QProcess>
#include <csignal>
#include <cstdio>

using namespace varnox;

namespace {

const char* const kScenario = "VARNOX_SIGNAL_SCENARIO";
const QDate kDay(2026, 12, 5);

// Raises SIGTERM as soon as a message box is open, and waits for it to go.
void signalAtTheNextQuestion()
{
    test::whenModal<QMessageBox>([](QMessageBox* box) {
        ::raise(SIGTERM);
        [[maybe_unused]] const bool closed = QTest::qWaitFor([box] { return !box->isVisible(); }, 10000);
    });
}

QString projectFile(const QString& name) { return ProgramFolder::projectsDir() + QLatin1Char('/') + name; }

}  // namespace

class TestSignalDuringQuestion : public QObject {
    Q_OBJECT

private slots:
    void signalDuringAQuestion_data()
    {
        // The questions: about a left-behind work copy, and whether to save
        // when the open project is reopened, another one is opened, or the
        // program ends. `change`: the profile only the work copy holds.
        QTest::addColumn<QString>("change");
        QTest::newRow("leftBehind") << "Nachtschicht";
        QTest::newRow("reopen") << "Reinigung";
        QTest::newRow("other") << "Reinigung";
        QTest::newRow("end") << "Reinigung";
    }

    void signalDuringAQuestion()
    {
        const QString scenario = QTest::currentDataTag();
        QFETCH(QString, change);
        test::TempHome home;
        home.writeFile("VARNOXCF.INI", "[Config]\nRecording=255\nEncrypt=0\n");
        QVERIFY(QDir().mkpath(ProgramFolder::projectsDir()));
        QVERIFY(writeProjectTemplate(projectFile("Anlage.mdb")));
        QVERIFY(writeProjectTemplate(projectFile("Zweig.mdb")));
        const QString workCopy = projectFile("~hlvAnlage.tmp");
        if (scenario == "leftBehind") {
            QVERIFY(QFile::copy(projectFile("Anlage.mdb"), workCopy));
            test::addProfile(workCopy, change);
        }
        const QByteArray project = test::fileBytes(projectFile("Anlage.mdb"));

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kScenario), scenario);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"runScenario"});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAllStandardOutput();
        QVERIFY2(!output.contains("continued"), "the interrupted operation went on after the end");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        const QStringList entries = test::protocolTexts(kDay);
        QCOMPARE(entries.last(), QString("Programm beendet"));
        QCOMPARE(entries.count("Programm beendet"), 1);
        QCOMPARE(test::profileCount(workCopy, change), 1);
        QCOMPARE(test::fileBytes(projectFile("Anlage.mdb")), project);
    }

    // The child's half of signalDuringAQuestion.
    void runScenario()
    {
        const QString scenario = qEnvironmentVariable(kScenario);
        if (scenario.isEmpty())
            QSKIP("runs in the child process of signalDuringAQuestion");
        test::FakeClock clock(QDateTime(kDay, QTime(6, 0, 0)));
        ProgramRun run(clock);
        run.endProcess = [] { };
        SignalWatcher watcher;
        connect(&watcher, &SignalWatcher::terminationRequested, &run, &ProgramRun::endFromOutside);
        MessageBox::setUnattended(false);
        run.start();

        if (scenario == "leftBehind") {
            signalAtTheNextQuestion();
            test::chooseProject("Anlage.mdb");
            test::logIn(&run.loginDialog(), Mode::Konfiguration, {});
        } else {
            test::chooseProject("Anlage.mdb");
            test::logIn(&run.loginDialog(), Mode::Konfiguration, {});
            QVERIFY(run.mainWindow().isVisible());
            test::addProfile(projectFile("~hlvAnlage.tmp"), "Reinigung");
            signalAtTheNextQuestion();
            if (scenario == "end") {
                MessageBox::queueAnswer(Answer::Yes);  // end the program
                run.mainWindow().close();
            } else {
                test::chooseProject(scenario == "reopen" ? "Anlage.mdb" : "Zweig.mdb");
                run.mainWindow().menuItem("Projekt_oeffnen")->trigger();
            }
        }
        std::fputs("continued\n", stdout);
        std::fflush(stdout);
    }
};

QTEST_MAIN(TestSignalDuringQuestion)
#include "tst_signalduringquestion.moc"
