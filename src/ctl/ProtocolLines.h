#pragma once

#include "core/online/DayFileReader.h"
#include "core/online/ProtocolExport.h"
#include "ctl/ExitStatus.h"

namespace varnox::ctl {

// An entry of the daily protocol as varnoxctl prints it: "hh:mm:ss<TAB>text",
// then, when it is not as the program wrote it, a TAB and the viewer's mark;
// a line end.
inline QString protocolLine(const DayEntry& entry)
{
    QString line = entry.time() + QLatin1Char('\t') + entry.text();
    if (!entry.sound())
        line += QLatin1Char('\t') + recordStateText(entry.state);
    return line + QLatin1Char('\n');
}

// protocol --follow: today's entries as they are written, until a signal.
ExitStatus followProtocol();

} // namespace varnox::ctl
