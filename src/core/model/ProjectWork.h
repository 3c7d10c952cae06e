#pragma once

#include "core/project/DbError.h"
#include "core/shell/Message.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace varnox {

class Database;

// The entity's own message for a refusal of the database; nullopt leaves the
// refusal to the shared report ("Fehler <n>:", "Datenbankfehler").
using RefusalMessages = std::function<std::optional<Message>(const DbError&)>;

// Runs one editing operation on the work copy: opens it, runs `work` inside a
// transaction and commits only when `work` succeeds, so that a refused or
// failed operation leaves the project as it was. Whatever the database throws
// becomes the message the page shows; the file is closed on every path.
Outcome writeToProject(const QString& workCopy, const std::function<Outcome(Database&)>& work,
                       const RefusalMessages& refusals = {});

// An operation that stores its work and still has something to tell the
// operator (a key stored without the profile link it asked for): `stored`
// says whether the work was committed, whatever the outcome carries.
struct WriteResult {
    Outcome outcome = Outcome::ok();
    bool stored = false;
};

// Like writeToProject, but `work` decides by `stored` whether its changes are
// committed; whatever the database throws rolls them back.
WriteResult writeToProjectNoting(const QString& workCopy, const std::function<WriteResult(Database&)>& work,
                                 const RefusalMessages& refusals = {});

// The same for reading: no transaction, and every error is the shared report.
Outcome readFromProject(const QString& workCopy, const std::function<Outcome(Database&)>& work);

// The rowid of the first row a query finds, and the count a "SELECT count(*)"
// query gives, with `values` bound in order.
std::optional<std::int64_t> findRow(Database& db, const char* sql, std::initializer_list<QString> values);
int countRows(Database& db, const char* sql, std::initializer_list<QString> values);

// A message of the common shape: stop icon unless told, optional focus.
Message stopMessage(const QString& text, const QString& title, const QString& focus = {}, bool selectAll = false);
Message exclamationMessage(const QString& text, const QString& title, const QString& focus = {},
                           bool selectAll = false);

// The common refusal: `lines` joined by line breaks, "Datenbankfehler", stop icon.
Message databaseRefusal(std::initializer_list<QString> lines, const QString& focus = {}, bool selectAll = false);

// Pieces of a message joined by line breaks.
QString messageLines(std::initializer_list<QString> lines);

// A button or page name as messages quote it.
QString quoted(const QString& name);

// Names of keys, profiles and zones are kept to this many characters; the
// pages' fields take no more, and other ways in are held to the same limit.
constexpr int kMaxNameLength = 50;
// The refusal of a longer name, or nothing; `shortName`: the key's short name.
std::optional<Message> nameTooLong(const QString& name, const QString& focus, bool shortName = false);

} // namespace varnox
