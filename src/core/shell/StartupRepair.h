#pragma once

#include <QtGlobal>

namespace varnox {

class ConfigFile;

struct ProtocolSwitches {
    quint8 recording = 0;  // 0 off, 255 on
    bool encrypt = true;
};

// Brings "Config"/"Recording" and "Config"/"Encrypt" back to allowed values
// at every start and returns what they say.
ProtocolSwitches StartupRepair(ConfigFile& config);

}  // namespace varnox
