#pragma once

#include <QString>

namespace varnox {

class Database;

// ResizeTextField: gives the text column `field` of `table` the size `size`,
// enforced on every later write. The engine cannot change a column in place,
// so the table is rebuilt with the same columns in the same order, the same
// rows and the same indexes. Run it inside the caller's transaction; it
// throws when the table or the column is missing or a value is too long.
void ResizeTextField(Database& db, const QString& table, const QString& field, int size);

// A name written as an SQL identifier, in double quotes.
QString quotedIdentifier(const QString& name);

}  // namespace varnox
