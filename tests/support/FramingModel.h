#pragma once

// The framing rules of reception written out as plainly as possible, for
// the random tests to compare reception with. Header only and free of the
// test library, so that the fuzz targets take it too.
#include "core/bus/Telegram.h"
#include "core/bus/TelegramAssembler.h"

#include <QByteArray>
#include <optional>

namespace varnox::test {

struct FramingModel {
    QByteArray buffer;
    bool discarding = false;

    // The telegram `ch` completes, if any.
    std::optional<QByteArray> feed(char ch)
    {
        if (ch == kSoh || ch == kEot) {
            std::optional<QByteArray> done;
            if (ch == kEot && !buffer.isEmpty() && !discarding)
                done = buffer;
            buffer.clear();
            discarding = false;
            return done;
        }
        if (isTelegramChar(ch) && !discarding) {
            buffer += ch;
            if (buffer.size() > TelegramAssembler::kCap) {
                buffer.clear();
                discarding = true;
            }
        }
        return std::nullopt;
    }
};

// A reader's telegram of full length: the protocol list takes a line of it.
inline bool listedTelegram(const QByteArray& t) { return t.size() == 9 && QByteArray("$&%'").contains(t.front()); }

}  // namespace varnox::test
