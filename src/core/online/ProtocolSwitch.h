#pragma once

#include "core/shell/Message.h"

namespace varnox {

class ConfigFile;
class DailyProtocol;

// Switches the daily protocol on or off for this run and for the next ones.
// The switch itself always reaches the protocol: switching on records after
// the switch, switching off before it. A configuration file that cannot be
// written leaves the switch in force until the program ends and says so.
Outcome switchRecording(bool on, ConfigFile& config, DailyProtocol& protocol);

}  // namespace varnox
