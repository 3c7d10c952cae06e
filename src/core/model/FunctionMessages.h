#pragma once

#include "core/project/DbError.h"
#include "core/shell/Message.h"

namespace varnox {

// The messages of the function operations that are composed of several pieces.
namespace FunctionMessages {

Message duplicateName();
Message noneSelected();
Message inUseForChange();
Message inUseForDelete();
Message notFoundForDelete();
Message notFoundForShow();
Message readerGone();
Message freeLengthWrong();
Message wrongKind();

}  // namespace FunctionMessages
}  // namespace varnox
