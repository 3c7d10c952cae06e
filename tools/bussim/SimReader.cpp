#include "SimReader.h"

#include <QStringList>

namespace varnox::bussim {

QString hexText(quint32 value, int width)
{
    return QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0')).right(width);
}

QString SimReader::acknowledgement() const
{
    return QLatin1Char('%') + hexText(quint32(serial), 6) + hexText(quint32(as), 2);
}

QString SimReader::readBack(int address)
{
    QString data;
    for (int i = 0; i < 4; ++i) {
        quint8 byte = quint8(eeprom[(address + i) % eeprom.size()]);
        if (i == 0 && wrongReadbacks > 0)
            byte ^= 0xFF;
        data += hexText(byte, 2);
    }
    if (wrongReadbacks > 0)
        --wrongReadbacks;
    return QLatin1Char('%') + data;
}

void SimReader::write(int address, quint8 first, quint8 second)
{
    if (address >= 0 && address + 1 < eeprom.size()) {
        eeprom[address] = char(first);
        eeprom[address + 1] = char(second);
    }
}

bool SimReader::knowsKey(const QString& keyNumber) const
{
    if (keyNumber.size() != 12)
        return false;
    QByteArray key;  // least significant byte first, as the records hold it
    for (int i = 10; i >= 0; i -= 2)
        key += char(keyNumber.mid(i, 2).toUInt(nullptr, 16));
    for (int a = 32; a + 8 <= eeprom.size(); a += 8) {
        if (quint8(eeprom[a]) == 0xFF)
            return false;
        if (eeprom.mid(a + 1, 6) == key)
            return true;
    }
    return false;
}

std::optional<std::pair<int, SimReader>> parseReader(const QString& entry)
{
    const QStringList parts = entry.split(QLatin1Char(':'));
    if (parts.size() < 3 || parts.size() > 5)
        return std::nullopt;
    bool okLine = false, okSerial = false, okAs = false;
    const int line = parts[0].toInt(&okLine);
    SimReader r;
    r.serial = parts[1].toInt(&okSerial);
    r.as = parts[2].toInt(&okAs);
    if (!okLine || !okSerial || !okAs || r.serial < 0 || r.serial > 999999 || r.as < 0 || r.as > 63)
        return std::nullopt;
    if (parts.size() > 3) {
        const QString type = parts[3].toLower();
        if (type != QLatin1String("em") && type != QLatin1String("mifare"))
            return std::nullopt;
        r.type = type == QLatin1String("em") ? SimReader::Type::Em : SimReader::Type::Mifare;
    }
    if (parts.size() > 4) {
        const QString mode = parts[4].toLower();
        if (mode != QLatin1String("zentral") && mode != QLatin1String("dezentral"))
            return std::nullopt;
        r.central = mode == QLatin1String("zentral");
    }
    return std::make_pair(line, r);
}

}  // namespace varnox::bussim
