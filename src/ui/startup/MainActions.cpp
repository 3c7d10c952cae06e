#include "ui/startup/MainActions.h"

#include "core/shell/Clock.h"
#include "core/project/ProjectSaver.h"
#include "ui/main/MainPages.h"
#include "ui/reports/ProtocolPrinting.h"
#include "ui/reports/ReportActions.h"
#include "ui/startup/ProgramRun.h"

#include <QAction>

namespace varnox {
namespace {

// Runs `what` when any of the actions is triggered.
template <typename F>
void on(const QList<QAction*>& actions, QObject* context, F what)
{
    for (QAction* a : actions)
        QObject::connect(a, &QAction::triggered, context, what);
}

}  // namespace

void connectMainActions(ProgramRun& run)
{
    FrmMain& w = run.mainWindow();
    const auto item = [&w](const char* name) { return w.menuItem(QString::fromLatin1(name)); };
    const auto button = [&w](const char* key) { return w.toolbarButton(QString::fromLatin1(key)); };

    on({item("Neues_Projekt"), button("Neu")}, &w, [&run] { run.projectWindows().showNewProjectDialog(false); });
    on({item("Projekt_oeffnen"), button("Oeffnen")}, &w, [&run] { run.opener().OpenProjectStart(); });
    on({item("Speichern"), button("Speichern")}, &w, [&run] { run.saver().Save(); });
    on({item("Speichern_unter")}, &w, [&run] { run.projectWindows().showSaveAsDialog(); });
    on({item("Beenden"), button("Ende")}, &w, [&w] { w.close(); });

    // The page-selection items and buttons, page 1 to 9, and the welcome page.
    const QList<std::pair<const char*, const char*>> pages = {
        {"Leser", "Leser"},           {"Zutrittsprofile", "Zutrittsprofile"},
        {"Funktionen", "Funktionen"}, {"Zeitzonen", "Zeitzonen"},
        {"Zuordnung_der_Leser", "Leserzuordnung"}, {"Schluessel", "Schluessel"},
        {"Kommunikation", "COM"},     {"Datenuebertragung", "Datenuebertragung"},
        {"Monitor_anzeigen", "Monitor"},
    };
    for (qsizetype i = 0; i < pages.size(); ++i)
        on({item(pages[i].first), button(pages[i].second)}, &w, [&w, i] { w.selectPage(int(i) + 1); });
    on({item("Willkommen")}, &w, [&w] { w.selectPage(0); });

    on({item("Protokoll_drucken"), button("Drucken")}, &w, [&run] { run.openProtocolViewer(); });
    QObject::connect(&w.pages(), &MainPages::viewerRequested, &w, [&run] { run.openProtocolViewer(); });
    on({item("Allgemein")}, &w, [&run] { run.openGeneralSettings(); });
    on({item("Moduspasswort_aendern")}, &w, [&run] { run.openPasswordDialog(); });
    on({item("Info_ueber")}, &w, [&run] { run.showAbout(); });
    on({item("Beobachtungsmodus")}, &w, [&run] { run.loginDialog().RequestMode(Mode::Beobachtung); });
    on({item("Standardmodus")}, &w, [&run] { run.loginDialog().RequestMode(Mode::Standard); });
    on({item("Konfigurationsmodus")}, &w, [&run] { run.loginDialog().RequestMode(Mode::Konfiguration); });

    on({item("Sicherheit")}, &w, [&run] { run.supervision().openSecuritySettings(); });
    on({item("Fernwartung")}, &w, [&run] { run.supervision().openRemoteMaintenance(); });
    on({item("Keyliste_drucken")}, &w, [&run, &w] { openKeyList(run.services(), &w); });
    on({item("Schluesseluebersicht")}, &w, [&run, &w] { openKeyAssignment(run.services(), &w); });
    QObject::connect(&w.pages(), &MainPages::printRequested, &w, [&run, &w] {
        printDailyProtocol(&w, run.protocol(), run.services().clock.now().date());
    });
}

}  // namespace varnox
