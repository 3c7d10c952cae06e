#pragma once

#include <QString>
#include <optional>

namespace varnox {

// How many readers of the open project still wait for their data (Modify
// set), counted in its work copy: 0 without a project, nothing when the work
// copy cannot be read.
std::optional<int> readersToTransfer(const QString& workCopyName);

}  // namespace varnox
