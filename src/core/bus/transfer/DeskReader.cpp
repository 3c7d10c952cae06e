#include "core/bus/transfer/DeskReader.h"

#include "core/lang/Texts.h"

namespace varnox {

void DeskReader::receive(char ch)
{
    const TelegramAssembler::Event event = m_buffer.feed(ch);
    if (event == TelegramAssembler::Event::Start) {
        m_holdingDot = false;
        return;
    }
    if (event != TelegramAssembler::Event::Complete || m_holdingDot)
        return;
    const QByteArray& text = m_buffer.telegram();
    if (text.size() < kMinKeyLength)
        return;
    if (text.startsWith('.')) {
        m_holdingDot = true;
        return;
    }
    emit keyLearned(QString::fromLatin1(text));
}

Message learnedKeyRefusedMessage()
{
    const QString text = GetText(276, "Um einen neuen Schlüssel anlernen zu können,") + QStringLiteral("\r\n")
        + GetText(277, "müssen sie zunächst den Button ") + QLatin1Char('"') + GetText(26, "Neu") + QLatin1Char('"')
        + GetText(278, " betätigen.");
    return Message { text, GetText(246, "Fehler"), MessageIcon::Critical, {}, false };
}

Message learnedKeyKnownMessage()
{
    return Message { GetText(623, "Schlüssel existiert bereits in der Projektdatei!"), GetText(916, "Varnox"),
        MessageIcon::None, {}, false };
}

} // namespace varnox
