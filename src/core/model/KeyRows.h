#pragma once

#include "core/model/KeyOperations.h"

#include <SQLiteCpp/Statement.h>

#include <optional>

namespace varnox {

// What a key's row receives from a checked form beside its number and name;
// shared by the keys page's operations and the import, so that both store
// exactly the same.
struct KeyFields {
    std::optional<QString> shortName; // nullopt: leave as it is
    std::optional<QString> start; // nullopt: leave as it is
    std::optional<QString> end;
};

KeyFields keyFieldsOf(const KeyForm& form);

void bindOptional(SQLite::Statement& q, int index, const std::optional<QString>& value);

// The insert of a new key, prepared once and run as often as wanted.
class KeyInsert {
public:
    explicit KeyInsert(Database& db);
    // Throws what the database throws (a number or name that exists already).
    void run(const QString& number, const KeyForm& form, const KeyFields& fields);

private:
    SQLite::Statement m_insert;
};

// The keys' own message for a number or name that exists already.
std::optional<Message> keyDuplicateRefusal(const DbError& error);

// The form's profile as the project spells it (empty: none chosen, or the
// link is to go); a profile the project does not hold is refused before
// anything is written.
std::optional<WriteResult> resolveKeyProfile(Database& db, const KeyForm& form, QString& profile);

} // namespace varnox
