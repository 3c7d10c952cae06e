#pragma once

#include <QString>

namespace varnox {

// Where a project file starts on its way to the current layout.
enum class UpgradeFrom {
    Oldest,  // readers without the time-recording column, no settings table
    Second,  // a settings table of name and on/off value only
    Version3,
    Version4,
    Version5,
    Version6,
    Version7,
};

// Brings the database at `path` up to the current layout, step by step, each
// step in a connection and a transaction of its own. Stops at the first step
// that fails and returns false; the file is then of no further use.
bool upgradeProject(const QString& path, UpgradeFrom from);

}  // namespace varnox
