#pragma once

#include "core/shell/Message.h"

#include <optional>

namespace varnox {

// A serial number as readers and control devices carry it: decimal digits,
// value 0..999999, kept as the decimal text of its value ("007" is "7").
class SerialNumber {
public:
    static constexpr int kMaximum = 999999;

    // The checks every serial number field passes, in this order: empty
    // (the caller's `missing` message), a character other than a digit, a
    // value out of range. Each failure puts the focus on `field`.
    static std::optional<Message> check(const QString& text, Message missing, const QString& field);

    // The stored form of a number that passed check().
    static QString normalized(const QString& text);
};

}  // namespace varnox
