#pragma once

#include "core/shell/Message.h"

#include <QString>
#include <exception>

namespace varnox {

// Why the project database refused an operation, in the terms the pages use.
enum class DbErrorKind {
    Duplicate,        // a value that must be unique exists already
    StillReferenced,  // Zuleser or Zuschluessel still name the row
    NoCurrentRow,     // the row to work on is not there
    Other,
};

struct DbError {
    DbErrorKind kind = DbErrorKind::Other;
    int number = 0;  // SQLite's extended result code for Other
    QString description;
};

// Thrown by the explicit checks of an operation, so that they reach the
// caller along the same path as the database's own refusals.
class DbRefusal : public std::exception {
public:
    explicit DbRefusal(DbErrorKind kind) : m_kind(kind) {}
    DbErrorKind kind() const { return m_kind; }
    const char* what() const noexcept override { return "refused by the project database"; }

private:
    DbErrorKind m_kind;
};

// Classifies any exception that left a database operation.
DbError toDbError(const std::exception& e);

// The program's shared report of a database error: "Fehler <n>:" and the
// description on the next line, title "Datenbankfehler", stop icon.
Message databaseErrorMessage(const DbError& error);

}  // namespace varnox
