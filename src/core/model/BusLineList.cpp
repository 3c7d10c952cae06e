#include "core/model/BusLineList.h"

#include "core/lang/Texts.h"

namespace varnox {

int BusLineList::lineAt(int position)
{
    if (position < 0 || position >= kCount)
        return -1;
    return position < 7 ? position + 1 : position + 2;
}

int BusLineList::positionOf(int line)
{
    if (line < 1 || line > 16 || line == 8)
        return -1;
    return line < 9 ? line - 1 : line - 2;
}

QStringList BusLineList::captions()
{
    const QString word = GetText(731, "Bus");
    QStringList list;
    for (int p = 0; p < kCount; ++p)
        list << word + QLatin1Char(' ') + QStringLiteral("%1").arg(lineAt(p), 2, 10, QLatin1Char('0'));
    return list;
}

}  // namespace varnox
