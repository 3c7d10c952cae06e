#pragma once

#include "core/shell/ProgramFolder.h"

#include <QString>

namespace varnox {

// Where an open project's work copy lies: the project folder and its name.
inline QString workCopyPath(const QString& workCopyName)
{
    return ProgramFolder::projectsDir() + QLatin1Char('/') + workCopyName;
}

// "~hlv<name>.tmp" for the project file "<name>.mdb": the file name without
// its four-character extension, with the marker in front.
QString workCopyNameFor(const QString& projectFileName);

// The project name inside a work copy name: without "~hlv" and ".tmp".
QString projectNameOf(const QString& workCopyName);

// The project file of a project name in the project folder: "<name>.mdb", or
// the existing file whose extension differs from it only in case, so that a
// project saved as "X.MDB" is found and written under the name it has.
QString projectFilePathForName(const QString& projectName);

// The project file that belongs to a work copy (full path, file name only).
QString projectFilePath(const QString& workCopyName);
QString projectFileName(const QString& workCopyName);

}  // namespace varnox
