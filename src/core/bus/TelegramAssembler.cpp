#include "core/bus/TelegramAssembler.h"

#include "core/bus/Telegram.h"

namespace varnox {

void TelegramAssembler::clear()
{
    m_buffer.clear();
    m_discarding = false;
}

TelegramAssembler::Event TelegramAssembler::feed(char ch)
{
    if (ch == kSoh) {
        clear();
        return Event::Start;
    }
    if (ch == kEot) {
        const bool collected = !m_buffer.isEmpty() && !m_discarding;
        if (collected)
            m_telegram = m_buffer;
        clear();
        return collected ? Event::Complete : Event::Empty;
    }
    if (!isTelegramChar(ch) || m_discarding)
        return Event::None;
    if (m_buffer.size() >= kCap) {
        m_buffer.clear();
        m_discarding = true;
        return Event::Overflow;
    }
    m_buffer.append(ch);
    return Event::None;
}

}  // namespace varnox
