// The program on a live installation: the project of a program folder whose
// ports lead to a running simulator, left to decide the keys that arrive for
// a while, then the monitor page, the transfer page and the pages of
// readers, functions and keys.
#include "Shots.h"
#include "core/lang/Texts.h"
#include "core/shell/Clock.h"
#include "ui/common/MessageBox.h"
#include "ui/main/FrmMain.h"
#include "ui/startup/ProgramRun.h"

#include <QApplication>
#include <QTimer>

namespace varnox::shots {

int renderLiveInstallation(const QString& folder, const QString& projectFile, int seconds)
{
    MessageBox::setUnattended(true);
    InitTexts();
    ProgramRun run(SystemClock::instance());
    run.projectArgument = projectFile;
    run.start();
    // As after a login into Konfigurationsmodus, so that every page is there.
    run.session().mode = Mode::Konfiguration;
    run.mainWindow().ApplyMode();
    const Shots shots { folder, QStringLiteral("de") };
    QTimer::singleShot(seconds * 1000, &run, [&run, &shots] {
        FrmMain& window = run.mainWindow();
        for (const auto& [page, name] : { std::pair { 9, "live-monitor" }, { 8, "live-transfer" },
                 { 1, "live-readers" }, { 3, "live-functions" }, { 6, "live-keys" } }) {
            window.selectPage(page);
            shots.save(&window, QLatin1String(name));
        }
        QCoreApplication::exit(0); // quit() would ask the main window whether it may close
    });
    const int rc = QApplication::exec();
    run.finish();
    return rc;
}

} // namespace varnox::shots
