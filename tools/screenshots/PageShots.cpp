// The pages in the states an operator meets them in: readers and functions
// new and in edit, the keys with a chosen key and both tabs of its validity
// dialog, a filled zone, a profile and a profile's readers.
#include "Shots.h"
#include "core/online/DailyProtocol.h"
#include "core/project/ProjectPaths.h"
#include "ui/common/AppServices.h"
#include "ui/pages/assignment/AssignmentPage.h"
#include "ui/pages/functions/FunctionsPage.h"
#include "ui/pages/keys/FrmTime.h"
#include "ui/pages/keys/KeyPage.h"
#include "ui/pages/profiles/ProfilePage.h"
#include "ui/pages/readers/ReaderSettingsDialog.h"
#include "ui/pages/readers/ReadersPage.h"
#include "ui/pages/zones/ZonePage.h"

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

namespace varnox::shots {
namespace {

// A page at the size of the main window's tab page, or at its own.
void show(Page& page, QSize size = QSize(1000, 620))
{
    page.resize(size);
    page.show();
    page.pageShown();
}

void readersAndFunctions(const Shots& shots, AppServices& services)
{
    ReadersPage readers(services);
    show(readers);
    shots.save(&readers, "readers-new");
    clickItem(&readers, "ListViewLes", "Serverraum");
    shots.save(&readers, "readers-edit");
    ReaderSettings settings;
    ReaderSettingsDialog dialog(settings);
    dialog.show();
    shots.save(&dialog, "reader-settings");

    FunctionsPage functions(services);
    show(functions);
    shots.save(&functions, "functions-new");
    for (auto [item, state] : {std::pair{"Tür öffnen", "door"}, {"Licht Halle", "control"}, {"Alarm quittieren", "free"}}) {
        clickItem(&functions, "ListViewFkt", QString::fromUtf8(item));
        shots.save(&functions, QStringLiteral("functions-%1").arg(QLatin1String(state)));
    }
}

void keysAndValidity(const Shots& shots, AppServices& services, const QString& workCopy)
{
    KeyPage page(services);
    show(page);
    clickItem(&page, "ListViewKey", "Handwerker");
    shots.save(&page, "keys");
    FrmTime dialog(workCopy, services.clock, true, control<QLabel>(&page, "LblKey8")->text(),
                   control<QLabel>(&page, "LblKey9")->text(), &page);
    dialog.resize(dialog.sizeHint());
    shots.save(&dialog, "validity");
    control<QTabWidget>(&dialog, "TabOne1")->setCurrentIndex(1);
    shots.save(&dialog, "validity-defaults");
}

void zonesProfilesAndAssignment(const Shots& shots, AppServices& services)
{
    ZonePage zones(services);
    zones.fillForProject();
    show(zones, zones.sizeHint());
    choose(&zones, "CmbZeit", "Werktag");
    shots.save(&zones, "zones");

    ProfilePage profiles(services);
    show(profiles, profiles.sizeHint());
    clickItem(&profiles, "ListViewZutr1", "Lager");
    shots.save(&profiles, "profiles");

    AssignmentPage assignment(services);
    show(assignment, assignment.sizeHint().expandedTo(QSize(820, 380)));
    choose(&assignment, "CmbZutr2Pro", "Verwaltung");
    clickItem(&assignment, "ListViewZutr2", "Serverraum");
    shots.save(&assignment, "assignment");
}

}  // namespace

void renderPages(const Shots& shots, const QString& workCopy)
{
    ShotServices s(workCopy);
    s.protocol.setSwitches(ProtocolSwitches{0, true});  // keys without a profile are shown grey
    readersAndFunctions(shots, s.services);
    keysAndValidity(shots, s.services, workCopyPath(workCopy));
    zonesProfilesAndAssignment(shots, s.services);
}

}  // namespace varnox::shots
