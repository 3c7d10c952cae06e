#pragma once

#include "core/online/DayLoader.h"

namespace varnox {

// What the viewer says about an entry that is not sound; empty for a sound one.
QString recordStateText(RecordState state);

// The clipboard text of the viewer's list, its entries in the order shown:
// a heading with the day, an empty line, then "number<TAB>time<TAB>text" per
// entry. An entry that is not sound carries what is wrong with it as a
// fourth field, so that the export never passes a damaged record off as sound.
QString exportText(const QDate& day, const QList<ListedEntry>& entries);

}  // namespace varnox
