#pragma once

#include <QIcon>
#include <QString>

namespace varnox {

// The picture of a toolbar button, by the button's key ("Neu", "Leser", ...),
// drawn by the program so that it looks the same on every desktop.
QIcon toolbarIcon(const QString& key);

}  // namespace varnox
