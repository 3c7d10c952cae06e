#include "core/shell/StartupRepair.h"

#include "core/shell/ConfigFile.h"

#include <algorithm>

namespace varnox {
namespace {

const QString kConfig = QStringLiteral("Config");

// Leaves the value when it is one of `allowed`, otherwise writes `fallback`;
// returns the value in force. A file that cannot be written still yields the
// repaired value, so a garbled entry never switches anything on.
long long repair(ConfigFile& config, const QString& key, std::initializer_list<int> allowed, int fallback)
{
    const QString value = config.readValue(kConfig, key);
    const long long n = lenientNumber(value);
    const bool fine = !value.trimmed().isEmpty() && std::find(allowed.begin(), allowed.end(), n) != allowed.end();
    if (fine)
        return n;
    config.writeValue(kConfig, key, QString::number(fallback));
    return fallback;
}

}  // namespace

ProtocolSwitches StartupRepair(ConfigFile& config)
{
    ProtocolSwitches s;
    s.recording = repair(config, QStringLiteral("Recording"), {0, 255}, 0) == 255 ? 255 : 0;
    s.encrypt = repair(config, QStringLiteral("Encrypt"), {0, 1}, 1) == 1;
    return s;
}

}  // namespace varnox
