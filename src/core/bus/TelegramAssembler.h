#pragma once

#include <QByteArray>

namespace varnox {

// Collects the characters of one port into telegrams (RxBuffer). SOH starts
// a telegram afresh, a text character is appended, EOT ends the telegram;
// every other byte is dropped. A telegram whose SOH was lost still counts:
// whatever came after the last EOT is taken.
//
// No telegram is longer than nine characters. A buffer that grows past
// kCap characters (noise without EOT) is dropped, and so is everything up to
// the next SOH or EOT, so that the tail of the noise never passes for a
// telegram.
class TelegramAssembler {
public:
    static constexpr int kCap = 64;

    enum class Event {
        None,      // the byte was taken or dropped; nothing to report
        Start,     // SOH: the buffer was emptied
        Complete,  // EOT after at least one character: telegram() holds it
        Empty,     // EOT with nothing collected
        Overflow,  // the buffer passed the cap and was dropped
    };

    Event feed(char ch);

    // The telegram completed by the last Complete event.
    const QByteArray& telegram() const { return m_telegram; }
    const QByteArray& buffer() const { return m_buffer; }
    void clear();

private:
    QByteArray m_buffer;
    QByteArray m_telegram;
    bool m_discarding = false;
};

}  // namespace varnox
