#pragma once

#include "core/shell/Session.h"

#include <QHash>
#include <QString>
#include <array>

namespace varnox {

constexpr int kPageCount = 10;
constexpr int kWelcomePage = 0;
constexpr int kMonitorPage = 9;

// What the main window offers in a mode: each menu item (by its name)
// enabled or not, each page of the tab strip available or not, each toolbar
// button (by its key) shown or not, and the page selected afterwards.
struct ModeLayout {
    QHash<QString, bool> menuEnabled;
    std::array<bool, kPageCount> pageAvailable{};
    QHash<QString, bool> buttonShown;
    // The save button may be enabled at all; whether it is also depends on
    // unsaved changes. The menu item `Speichern` carries both in menuEnabled.
    bool saveButtonAllowed = false;
    int selectedPage = kWelcomePage;
};

// ApplyMode's tables. `projectGivenAtStart`: the project came from the
// command line, so in every mode it stays the one project of this run;
// `projectOpen`: the main window has been filled for it once.
ModeLayout layoutFor(Mode mode, bool projectGivenAtStart, bool projectOpen);

// The names the tables speak of, in table order.
QStringList modeMenuItems();
QStringList modeToolbarKeys();

}  // namespace varnox
