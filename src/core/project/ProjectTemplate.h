#pragma once

#include <QString>

namespace varnox {

class Database;

// Creates the tables of the current layout in an empty database.
void createSchema(Database& db);

// Writes an empty project of the current layout with its starting rows to
// `path`. An existing file there is left alone and false returned.
bool writeProjectTemplate(const QString& path, QString* error = nullptr);

// default.$$$ in the program folder, written when it is missing.
bool ensureProjectTemplate(QString* error = nullptr);

}  // namespace varnox
