#pragma once

#include <QString>

namespace varnox {

class ConfigFile;

constexpr int kMaxComPort = 255;

// Operators know serial ports as COM 1..255. Section [Ports] of VARNOXCF.INI
// maps a number to a device ("COM3=/dev/serial/by-id/usb-..."); a number
// without an entry means /dev/ttyS<n-1>.
QString deviceForComPort(const ConfigFile& config, int com);

}  // namespace varnox
