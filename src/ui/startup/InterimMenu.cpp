#include "ui/startup/InterimMenu.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/startup/ProgramRun.h"

#include <QMenuBar>

namespace varnox {
namespace {

QMenu* menu(QMenuBar* bar, const char* name)
{
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction* item(QMenu* menu, const char* name)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

void addInterimMenu(ProgramRun& run)
{
    FrmMain& window = run.mainWindow();
    QMenuBar* bar = window.menuBar();
    QMenu* projekt = menu(bar, "projekt");
    QAction* beenden = item(projekt, "Beenden");
    QMenu* system = menu(bar, "System");
    QAction* allgemein = item(system, "Allgemein");
    QMenu* drucken = menu(bar, "Drucken");
    QAction* protokoll = item(drucken, "Protokoll_drucken");

    QObject::connect(beenden, &QAction::triggered, &window, &QWidget::close);
    QObject::connect(allgemein, &QAction::triggered, &window, [&run] { run.openGeneralSettings(); });
    QObject::connect(protokoll, &QAction::triggered, &window, [&run] { run.openProtocolViewer(); });

    loadCaptions(&window, [=] {
        setCaption(projekt, GetText(2040, "&Projekt"));
        setCaption(beenden, GetText(668, "Beenden"));
        setCaption(system, GetText(2041, "&Einstellungen"));
        setCaption(allgemein, GetText(2000, "Allgemein"));
        setCaption(drucken, GetText(2042, "&Drucken"));
        setCaption(protokoll, GetText(2010, "Tagesprotokoll"));
    });
}

}  // namespace varnox
