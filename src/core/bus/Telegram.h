#pragma once

#include <QByteArray>
#include <QString>

namespace varnox {

// A telegram travels between SOH and EOT as text of the characters from
// blank to "F": a type character, then upper-case hexadecimal digits. There
// is no checksum and no escape, so SOH and EOT can never occur inside.
constexpr char kSoh = '\x01';
constexpr char kEot = '\x04';

constexpr bool isTelegramChar(char c) { return c >= 0x20 && c <= 0x46; }
bool isTelegramText(QStringView text);

// The value in upper-case hexadecimal, padded with "0" on the left and cut to
// its last `width` digits: hexRight(999999, 5) is "F423F".
QString hexRight(quint32 value, int width);

// SOH, the bus command type " ", the payload, EOT.
QByteArray frameBusTelegram(QStringView payload);

// The two commands for the PC interface itself.
QByteArray interfacePresenceQuery();  // SOH "(01" EOT, answered with "#"
QByteArray interfaceSetupCommand();   // SOH ".3F" EOT, not answered

// The payloads of the bus commands. Serial numbers are written right(5),
// bytes and addresses right(2); an EEPROM address (0..2047) is split into
// its 256-byte page, sent with the selection, and its low byte.
namespace telegram {
QString search();                                // "580B"
QString select(int eepromAddress, int serial);   // "81" page sssss
QString eepromAccess();                          // "8800", answered "$8801"
QString write(int eepromAddress, quint8 first, quint8 second);  // "82" aa d1 d2
QString readBack(int eepromAddress);             // "84" aa
QString end();                                   // "5100"
QString systemTest(int serial);                  // "5" sssss "80"
QString grantReply(int asAddress);               // "A1" aa
QString doorOpener(int asAddress);               // "11" aa
QString controlFunction(int serial, int number); // "6" sssss nn
}  // namespace telegram

}  // namespace varnox
