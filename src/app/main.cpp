#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/project/ProjectTemplate.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/StartupRepair.h"
#include "ui/lang/LanguageSelection.h"
#include "ui/main/FrmMain.h"

#include <QApplication>

using namespace varnox;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnox"));
    InitTexts();
    chooseLanguageAtStart();
    ProgramFolder::ensureRoot();
    ensureProjectTemplate();

    ConfigFile config(ProgramFolder::configFile());
    DailyProtocol protocol(SystemClock::instance());
    protocol.setSwitches(StartupRepair(config));
    protocol.write(GetText(384, "Programm gestartet"));

    FrmMain window;
    window.show();
    const int rc = app.exec();
    protocol.write(GetText(482, "Programm beendet"));
    return rc;
}
