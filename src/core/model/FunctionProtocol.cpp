#include "core/model/FunctionProtocol.h"

namespace varnox {
namespace {

// n in base 16, padded with zeros on the left, its last `width` digits kept.
QString hexRight(int n, int width) { return QString::number(n, 16).toUpper().rightJustified(width, QLatin1Char('0')).right(width); }

int hexAt(const QString& protocol, int from, int count)
{
    const QString part = protocol.mid(from, count);
    if (part.size() != count || !FunctionProtocol::isHex(part))
        return -1;
    return part.toInt(nullptr, 16);
}

}  // namespace

QString FunctionProtocol::doorOpener(int address) { return QStringLiteral("11") + hexRight(address, 2); }

QString FunctionProtocol::control(int serial, int number)
{
    return QStringLiteral("6") + hexRight(serial, 5) + hexRight(number, 2);
}

int FunctionProtocol::doorOpenerAddress(const QString& protocol) { return hexAt(protocol, 2, 2); }
int FunctionProtocol::controlSerial(const QString& protocol) { return hexAt(protocol, 1, 5); }
int FunctionProtocol::controlNumber(const QString& protocol) { return hexAt(protocol, 6, 2); }

bool FunctionProtocol::isHex(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.toUpper().unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F')))
            return false;
    }
    return true;
}

}  // namespace varnox
