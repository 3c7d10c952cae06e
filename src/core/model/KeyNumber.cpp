#include "core/model/KeyNumber.h"

#include <algorithm>

namespace varnox {

QString normalizedKeyNumber(const QString& entered)
{
    return (QString(kKeyNumberLength, QLatin1Char('0')) + entered).right(kKeyNumberLength).toUpper();
}

bool isKeyNumberDigit(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
}

bool isKeyNumberText(const QString& text) { return std::all_of(text.begin(), text.end(), isKeyNumberDigit); }

}  // namespace varnox
