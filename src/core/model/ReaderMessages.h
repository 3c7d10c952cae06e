#pragma once

#include "core/project/DbError.h"
#include "core/shell/Message.h"

namespace varnox {

// The messages of the reader operations that are composed of several pieces.
namespace ReaderMessages {

Message tooManyKeysForDecentral();
Message cannotBecomeCentral();
// The question before a switch to dezentraler Modus replaces the zone and
// function of `count` assignments.
Message switchReplacesAssignments(int count);
Message notFoundForDelete();
Message notFoundForChange();
Message notFoundForLoad();

// A database refusal while a reader is written: a duplicate serial number,
// a reader still named by an access profile, or the shared report.
Message writeRefused(const DbError& error);
Message deleteRefused(const DbError& error);

}  // namespace ReaderMessages
}  // namespace varnox
