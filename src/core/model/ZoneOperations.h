#pragma once

#include "core/model/ZoneForm.h"

#include <optional>

namespace varnox {

class Database;

// The reserved always-zone. Assignments store this name; the project holds
// its row (named "Immer"); the zone page never offers, changes or deletes it.
inline const QString kAlwaysZone = QStringLiteral("IMMER");
// Whether a name is the always-zone's: the one comparison for every check,
// filter and display of it.
bool isAlwaysZone(const QString& name);

// The zones the zone page offers: every zone but the always-zone, in table order.
Outcome readPageZoneNames(const QString& workCopy, QStringList& names);

// Create, change and delete as the zone page's buttons ask; `chosen` is the
// zone chosen in the page's zone list (empty: none).
Outcome createZone(const QString& workCopy, const ZoneForm& form);
Outcome changeZone(const QString& workCopy, const QString& chosen, const ZoneForm& form);
Outcome deleteZone(const QString& workCopy, const QString& chosen);

// The stored zone as the page shows it.
Outcome loadZone(const QString& workCopy, const QString& name, ZoneForm& form);

// The stored periods of a zone, for whoever decides a key request; nullopt
// when the project holds no zone of that name (names ignore case).
// `storedName` receives the name as the row spells it.
std::optional<StoredWeek> readStoredWeek(Database& db, const QString& name, QString* storedName = nullptr);

}  // namespace varnox
