#pragma once

#include "core/shell/Message.h"

#include <QString>
#include <array>

namespace varnox {

// Which COM port each line's interface is on: table HLV_BUS, row BusID n,
// ComPort 0 for none or 1..255. Rows 1..16 are used, row 8 for the desk reader.
using ComAssignment = std::array<int, 16>;  // index k: line k + 1

// The COM port of line n, 0 when the row is missing. Throws when the work
// copy cannot be read.
int GetBusComPort(const QString& workCopyPath, int line);

// All sixteen at once, for the connection page. Throws like GetBusComPort.
ComAssignment readComAssignment(const QString& workCopyPath);

// Stores the assignment of the connection page. No COM port may serve two
// lines (the desk reader counts as a line); "kein COM" may be chosen for
// any number of them. A duplicate stores nothing and names the list of the
// second line that holds it (CmbComBus<k>). A missing row is added.
Outcome SaveComAssignment(const QString& workCopyPath, const ComAssignment& ports);

QString comBusListName(int k);  // "CmbComBus<k>"

}  // namespace varnox
