#pragma once

#include "core/shell/Message.h"

#include <optional>

namespace varnox {

class Database;

// The key counts (Sanzahl) of the readers a profile reaches, kept on the key
// side: a key linked with a profile is one key more for every reader assigned
// to that profile. A decentral reader that gains or loses a key must receive
// its key list again (Modify); a central reader asks for every key online, so
// it is counted but keeps its flag.

// A decentral reader holds at most this many keys.
constexpr int kDecentralKeyCapacity = 250;

// The name of the first decentral reader of `profile` that already holds its
// full number of keys, or nullopt when the profile can take one key more.
// A reader that is also in `leaving` (the profile the key leaves) only trades
// one key for another and is never full for that reason.
std::optional<QString> fullReader(Database& db, const QString& profile, const QString& leaving = {});

// One key more for every reader of `profile`.
void countUp(Database& db, const QString& profile);

// One key less for every reader of `profile`; run after the key's link is
// gone. A reader of the profile that claims no keys at all shows the counts
// were wrong before: then every reader of the profile is counted afresh from
// the links, and that reader's name is returned for the message.
std::optional<QString> countDown(Database& db, const QString& profile);

// The capacity refusal and the zero-count report, naming the reader in capitals.
Message capacityMessage(const QString& readerName);
Message zeroCountMessage(const QString& readerName);

}  // namespace varnox
