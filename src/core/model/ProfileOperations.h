#pragma once

#include "core/shell/Message.h"

#include <QStringList>
#include <optional>

namespace varnox {

class Database;

// Every profile name, in table order.
Outcome readProfileNames(const QString& workCopy, QStringList& names);

// Create, rename and delete as the profile page's buttons ask; `selected` is
// the profile last clicked in the page's list (empty: none).
Outcome createProfile(const QString& workCopy, const QString& name);
Outcome renameProfile(const QString& workCopy, const QString& selected, const QString& newName);
Outcome deleteProfile(const QString& workCopy, const QString& selected);

// Test data: `count` profiles "Zutrittsprofil 000001" onward, all or none.
constexpr int kMaxTestProfiles = 999999;
QString testProfileName(int number);
Outcome createTestProfiles(const QString& workCopy, int count);

// Whether assignments or keys still name a profile.
bool profileInUse(Database& db, const QString& profile);

// The profile of that name as the project spells it (names ignore case);
// nullopt when the project holds none.
std::optional<QString> storedProfileName(Database& db, const QString& profile);
// "The access profile "<name>" does not exist in the project file."
Message unknownProfileMessage(const QString& profile);

} // namespace varnox
