#pragma once

// One run of the whole program in the test process, on a fresh program
// folder with a plain protocol and a fake clock, ended by the test. Header
// only: it needs the windows, which the support library does not link.
#include "ProtocolHome.h"
#include "WidgetDriver.h"
#include "core/project/ProjectTemplate.h"
#include "ui/startup/ProgramRun.h"

#include <memory>

namespace varnox::test {

// Fills the login dialog (CmbLogMod, the password) and presses OK.
inline void logIn(QWidget* dialog, Mode mode, const QString& password)
{
    control<QComboBox>(dialog, "CmbLogMod")->setCurrentIndex(int(mode) - 1);
    auto* box = control<QLineEdit>(dialog, "TxtLogPW");
    box->clear();
    QTest::keyClicks(box, password);
    click(dialog, "CmdLogOK");
}

// Chooses `file` in the project dialog as soon as it is open.
inline void chooseProject(const QString& file)
{
    whenModal<QDialog>([file](QDialog* d) {
        clickItem(d, "FileOpen", file);
        click(d, "CmdFileOpenO");
    });
}

struct ProgramRunRig {
    TempHome home;
    FakeClock clock{QDateTime(QDate(2026, 12, 5), QTime(6, 0, 0))};
    const Clock* runClock = &clock; // another for a run that waits on real ports
    SerialPortFactory* ports = nullptr; // the program's own unless set
    std::unique_ptr<ProgramRun> run;
    int ends = 0;

    explicit ProgramRunRig(const QByteArray& config = "[Config]\nRecording=255\nEncrypt=0\n")
    {
        home.writeFile("VARNOXCF.INI", config);
        QDir().mkpath(home.file("projekte"));
        unattendedMessages();
    }

    // A new project file of the current layout in the project folder.
    QString addProject(const QString& file = QStringLiteral("Anlage.mdb")) const
    {
        const QString path = home.file(QStringLiteral("projekte/") + file);
        if (!writeProjectTemplate(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    void start(const QString& projectArgument = {})
    {
        run = std::make_unique<ProgramRun>(*runClock, ports);
        run->endProcess = [this] { ++ends; };
        run->projectArgument = projectArgument;
        run->start();
    }

    // The first login, choosing `file` in the project dialog that follows.
    void logInAndOpen(Mode mode, const QString& password = {}, const QString& file = QStringLiteral("Anlage.mdb"))
    {
        chooseProject(file);
        logIn(&run->loginDialog(), mode, password);
    }

    // A run with the project "Anlage" opened at the first login, in `mode`.
    void startWithProject(Mode mode)
    {
        addProject();
        start();
        logInAndOpen(mode);
    }

    // A change of mode through the menu of the main window.
    void changeMode(Mode mode, const QString& password = {})
    {
        static const char* const items[] = {"", "Beobachtungsmodus", "Standardmodus", "Konfigurationsmodus"};
        whenModal<QDialog>([mode, password](QDialog* d) { logIn(d, mode, password); });
        window().menuItem(QString::fromLatin1(items[int(mode)]))->trigger();
    }

    FrmMain& window() const { return run->mainWindow(); }

    // The texts of the day's protocol lines, without their times.
    QStringList entries() const { return protocolTexts(clock.now().date()); }
};

}  // namespace varnox::test
