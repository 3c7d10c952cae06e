#pragma once

#include "ctl/Commands.h"
#include "ctl/Table.h"

namespace varnox::ctl {

// change port PROJECT --bus 1..16|desk --com 0..255: the COM port of a bus
// line's interface or of the desk reader (0: none).
ExitStatus editPort(Context& c, const QString& verb, const QString& project, Options& options);

// list ports: every line's COM port and the device it stands for on this PC.
Outcome listPorts(const QString& path, Table& table);

} // namespace varnox::ctl
