#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace varnox::bussim {

// One reader on a simulated bus line: its identity, its 2048-byte EEPROM
// and the state of an EEPROM access over the bus.
struct SimReader {
    enum class Type { Em, Mifare };

    int serial = 0;
    int as = 0;
    Type type = Type::Em;
    bool central = true;  // Zentralmodus: asks the PC for every key
    bool silent = false;  // answers nothing, as a reader that is off
    QByteArray eeprom = QByteArray(2048, char(0xFF));

    bool selected = false;
    int page = 0;
    bool access = false;
    int wrongReadbacks = 0;  // the next n read-backs come back damaged

    // The reader's acknowledgement: "%", its serial in six digits, its AS
    // address in two: nine characters, like every reader telegram.
    QString acknowledgement() const;

    // "%" and the four bytes from the EEPROM address.
    QString readBack(int address);
    void write(int address, quint8 first, quint8 second);

    // In dezentraler Modus the reader decides itself from the key records
    // of its EEPROM (from address 32, eight bytes each, the key least
    // significant byte first, ended by an empty record).
    bool knowsKey(const QString& keyNumber) const;

    QString typeName() const { return type == Type::Em ? QStringLiteral("em") : QStringLiteral("mifare"); }
    QString modeName() const { return central ? QStringLiteral("zentral") : QStringLiteral("dezentral"); }
};

// The value in upper-case hexadecimal, padded with "0" on the left and cut
// to its last `width` digits, as telegrams write numbers.
QString hexText(quint32 value, int width);

// "LINE:SERIAL:AS[:TYPE[:MODE]]" from the command line.
std::optional<std::pair<int, SimReader>> parseReader(const QString& entry);

}  // namespace varnox::bussim
