#pragma once

#include <QString>

namespace varnox {

enum class Mode { None = 0, Beobachtung = 1, Standard = 2, Konfiguration = 3 };

// The process-wide state of one run of the program.
struct Session {
    Mode mode = Mode::None;
    QString workCopyName;  // "~hlv<project>.tmp" in the project folder; empty: no project
    bool projectGivenAtStart = false;
    bool projectOpen = false;
    int failedLogins = 0;
    bool modeChangeRequested = false;
    bool noProjectMessageShown = false;
};

}  // namespace varnox
