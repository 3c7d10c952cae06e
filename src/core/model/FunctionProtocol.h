#pragma once

#include <QString>

namespace varnox {

// The stored telegram text (`Protokoll`) of a function, upper-case hex digits:
// a door opener "11" and the reader's address in two digits; a control
// function "6", the device's serial number in five digits and the function
// number in two; a free protocol as entered, 4 or 8 digits.
class FunctionProtocol {
public:
    static constexpr int kControlFunctionCount = 200;

    static QString doorOpener(int address);
    static QString control(int serial, int number);
    static QString free(const QString& content) { return content.toUpper(); }

    // Reading back; -1 where the text does not hold a value.
    static int doorOpenerAddress(const QString& protocol);
    static int controlSerial(const QString& protocol);
    static int controlNumber(const QString& protocol);

    static bool isHex(const QString& text);
};

}  // namespace varnox
