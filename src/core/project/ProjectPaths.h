#pragma once

#include "core/shell/ProgramFolder.h"

#include <QString>

namespace varnox {

// Where an open project's work copy lies: the project folder and its name.
inline QString workCopyPath(const QString& workCopyName)
{
    return ProgramFolder::projectsDir() + QLatin1Char('/') + workCopyName;
}

}  // namespace varnox
