#pragma once

#include "core/model/KeyOperations.h"

#include <optional>

namespace varnox::ctl {

// The fields of a key on the command line and in CSV files, in this order:
// number, name, short_name, profile, start, end.
QStringList keyCsvColumns();
QStringList keyRecordFields(const KeyRecord& key);

// Puts a fixed period given as ISO 8601 texts into the keys page's form, as
// its validity dialog would have put it there: both empty is no period; a
// text that is no date and time, a time the clock skips, or an end before
// the start is refused with the message returned. One end alone is left to
// the page's own check.
std::optional<Message> periodIntoForm(const QString& start, const QString& end, KeyForm& form);

} // namespace varnox::ctl
