#pragma once

#include "core/shell/Session.h"

#include <QStringList>

namespace varnox {

// The name of an operating mode in the current language; empty for none.
QString modeName(Mode mode);

// The mode lists of the login and password dialogs hold the modes in their
// order: list position p is mode p + 1. Mode::None for any other position.
Mode modeAtListPosition(int position);
int listPositionOf(Mode mode);

// After a successful login: the failed attempts, if any, and "Anmeldung im
// <mode>", in the order they go to the daily protocol. The count starts again.
QStringList takeLoginEntries(Session& session);

// "Anmeldung <n> mal fehlgeschlagen", or nothing when no attempt failed.
QStringList failedLoginEntry(int failedLogins);

}  // namespace varnox
