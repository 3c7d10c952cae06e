#include "core/bus/Telegram.h"

namespace varnox {

bool isTelegramText(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F || !isTelegramChar(char(c.unicode())))
            return false;
    }
    return true;
}

QString hexRight(quint32 value, int width)
{
    const QString digits = QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
    return digits.right(width);
}

QByteArray frameBusTelegram(QStringView payload)
{
    return kSoh + QByteArray(" ") + payload.toLatin1() + kEot;
}

QByteArray interfacePresenceQuery() { return QByteArray("\x01(01\x04"); }

QByteArray interfaceSetupCommand() { return QByteArray("\x01.3F\x04"); }

namespace telegram {
namespace {

QString page(int eepromAddress) { return hexRight(quint32(eepromAddress) / 256, 1); }
QString lowByte(int eepromAddress) { return hexRight(quint32(eepromAddress) % 256, 2); }

}  // namespace

QString search() { return QStringLiteral("580B"); }

QString select(int eepromAddress, int serial)
{
    return QStringLiteral("81") + page(eepromAddress) + hexRight(quint32(serial), 5);
}

QString eepromAccess() { return QStringLiteral("8800"); }

QString write(int eepromAddress, quint8 first, quint8 second)
{
    return QStringLiteral("82") + lowByte(eepromAddress) + hexRight(first, 2) + hexRight(second, 2);
}

QString readBack(int eepromAddress) { return QStringLiteral("84") + lowByte(eepromAddress); }

QString end() { return QStringLiteral("5100"); }

QString systemTest(int serial) { return QStringLiteral("5") + hexRight(quint32(serial), 5) + QStringLiteral("80"); }

QString grantReply(int asAddress) { return QStringLiteral("A1") + hexRight(quint32(asAddress), 2); }

QString doorOpener(int asAddress) { return QStringLiteral("11") + hexRight(quint32(asAddress), 2); }

QString controlFunction(int serial, int number)
{
    return QStringLiteral("6") + hexRight(quint32(serial), 5) + hexRight(quint32(number), 2);
}

}  // namespace telegram
}  // namespace varnox
