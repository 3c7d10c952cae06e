#pragma once

#include "core/shell/Session.h"

#include <functional>
#include <optional>

namespace varnox {

class Operator;

// What the exit question needs to know, from the parts of the program that
// know it. An empty function counts as "none".
struct ExitFacts {
    Mode mode = Mode::None;
    // Readers still listed on the data transfer page.
    std::function<int()> pendingTransfers;
    // Readers of the open project's work copy whose Modify flag is set;
    // nothing when they could not be counted, which warns to be safe.
    std::function<std::optional<int>()> readersToTransfer;
};

// QueryExit: asks whether the program may end, warning first when readers
// still wait for their data outside Beobachtungsmodus. True when the
// operator answered Yes; the caller then terminates.
bool QueryExit(const ExitFacts& facts, Operator& op);

}  // namespace varnox
