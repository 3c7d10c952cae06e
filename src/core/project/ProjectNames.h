#pragma once

#include "core/shell/Message.h"

#include <QString>
#include <optional>

namespace varnox {

// The rules for the name of a new project: not empty, and none of the
// characters \ / : * ? " < > | nor a control character. The message says
// what is wrong, or nothing when the name may be used.
std::optional<Message> projectNameFault(const QString& name);

}  // namespace varnox
