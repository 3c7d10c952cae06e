#pragma once

#include "core/shell/Message.h"

#include <QString>

namespace varnox {

class Database;

// Creates the tables of the current layout in an empty database.
void createSchema(Database& db);

// Writes an empty project of the current layout with its starting rows to
// `path`. An existing file there is left alone and false returned.
bool writeProjectTemplate(const QString& path, QString* error = nullptr);

// default.$$$ in the program folder, written when it is missing. `error`
// tells why it could not be written, in the operator's language.
bool ensureProjectTemplate(QString* error = nullptr);

// Said at start when the template cannot be written: no new project can be
// made until then.
Message templateMissingMessage(const QString& reason);

}  // namespace varnox
