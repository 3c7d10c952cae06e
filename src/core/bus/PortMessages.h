#pragma once

#include "core/bus/SerialPort.h"
#include "core/shell/Message.h"

namespace varnox {

class ConfigFile;

// The name of a line in messages: "HLV:BUS-Strang n", or the desk reader.
QString lineDisplayName(int line);

// After the last attempt: "COM-<p> belegt oder kein Interface angeschlossen!"
// for a bus line, "COM-<p> belegt!" for the desk reader, with the reason
// when the system gave one (no such device, held by another program, no
// permission to open it, with the group to join where that would help).
Message portFailureMessage(int line, int port, PortFailure failure, const QString& device,
                           const QString& group = {});

// The daily protocol line of a line that failed its last attempt, with a
// short reason, so that a PC nobody watches keeps a record of it.
QString portFailedProtocolText(int line, int port, PortFailure failure, const QString& device);

// Daily protocol lines of a port that failed while open and came back.
QString portLostProtocolText(int line, int port, const QString& device);
QString portRestoredProtocolText(int line, int port, const QString& device);

// "Config"/"TimeBusOk": the pause in seconds between two opening runs. An
// empty value, or one below 1 or above 60, is replaced by 3 in the file.
int readTimeBusOk(ConfigFile& config);

}  // namespace varnox
