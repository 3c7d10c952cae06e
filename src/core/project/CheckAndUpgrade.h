#pragma once

#include "core/shell/Message.h"

#include <QString>

namespace varnox {

class Operator;

// CheckAndUpgrade: whether the work copy may be used as a project. A file of
// an older layout or version is brought up to the current one on the work
// copy. A file that cannot be used is reported to the operator (the project
// file's name in capitals) and false returned; the caller discards the copy.
bool CheckAndUpgrade(const QString& workCopyName, Operator& op);

// The same for any copy of a project file at `path`; the messages name the
// project file `projectFile`.
bool checkAndUpgradeCopy(const QString& path, const QString& projectFile, Operator& op);

// "Das Programm kann die Datei <file> nicht öffnen!" ...: no database, damaged.
Message notAProjectFileMessage(const QString& file);

}  // namespace varnox
