#pragma once

#include <QString>

namespace varnox {

// major.minor.revision, as the about box and the window caption show it.
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(VARNOX_VERSION_MAJOR).arg(VARNOX_VERSION_MINOR).arg(VARNOX_VERSION_PATCH);
}

}  // namespace varnox
