#include "core/bus/PortMap.h"

#include "core/shell/ConfigFile.h"

namespace varnox {
namespace {

QString entry(const ConfigFile& config, int com)
{
    return config.readValue(QStringLiteral("Ports"), QStringLiteral("COM") + QString::number(com)).trimmed();
}

}  // namespace

QString deviceForComPort(const ConfigFile& config, int com)
{
    const QString mapped = entry(config, com);
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS") + QString::number(com - 1);
}

}  // namespace varnox
