#pragma once

#include <QString>

namespace varnox {

// A key number as stored: twelve upper-case hexadecimal digits.
constexpr int kKeyNumberLength = 12;

// The entered or learned number padded on the left with zeros to twelve
// digits, of which the last twelve count, in capitals ("abc" -> "000000000ABC").
QString normalizedKeyNumber(const QString& entered);

// Whether `c` may stand in a key number (either case).
bool isKeyNumberDigit(QChar c);
// Whether every character of `text` may (an empty text may too).
bool isKeyNumberText(const QString& text);

}  // namespace varnox
