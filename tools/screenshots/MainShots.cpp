// The program as the operator meets it: the login dialog, then the main
// window for a project on every page of Konfigurationsmodus, the password
// dialog, and the window in the other two modes.
#include "Shots.h"
#include "core/shell/PasswordChange.h"
#include "ui/login/FrmPW.h"
#include "ui/main/MainPages.h"
#include "ui/startup/ProgramRun.h"

namespace varnox::shots {

void renderMainWindow(const Shots& shots, const QString& projectFile)
{
    FixedClock clock;
    ProgramRun run(clock);
    run.start();
    shots.save(&run.loginDialog(), "login");

    // As after a login into Konfigurationsmodus and the choice of the project.
    run.session().mode = Mode::Konfiguration;
    if (!run.opener().OpenSelected(projectFile))
        qFatal("cannot open %s", qPrintable(projectFile));
    FrmMain& window = run.mainWindow();
    shots.save(&window, "main-konfiguration");
    for (int page = 1; page < kPageCount; ++page) {
        window.selectPage(page);
        shots.save(&window, QStringLiteral("main-page%1").arg(page));
    }

    PasswordChange passwords(run.config());
    FrmPW dialog(passwords, Mode::Konfiguration, run.protocol(), &window);
    dialog.show();
    shots.save(&dialog, "password");
    dialog.hide();

    for (const auto& [mode, name] : {std::pair{Mode::Standard, "main-standard"}, {Mode::Beobachtung, "main-beobachtung"}}) {
        run.session().mode = mode;
        window.ApplyMode();
        shots.save(&window, QLatin1String(name));
    }
    run.finish();
}

}  // namespace varnox::shots
