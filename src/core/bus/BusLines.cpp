#include "core/bus/BusLines.h"

namespace varnox {

QList<int> busLineNumbers()
{
    QList<int> lines;
    for (int n = kFirstLine; n <= kLastLine; ++n) {
        if (isBusLine(n))
            lines << n;
    }
    return lines;
}

}  // namespace varnox
