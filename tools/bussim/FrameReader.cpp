#include "FrameReader.h"

namespace varnox::bussim {
namespace {

// Noise without end is reported in pieces of this size, so that a broken
// frame never grows without limit.
constexpr int kMaxBroken = 64;

QString byteName(char ch)
{
    return QStringLiteral("byte %1").arg(quint8(ch), 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

bool isFrameText(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F || !isFrameText(char(c.unicode())))
            return false;
    }
    return true;
}

QList<FrameReader::Frame> FrameReader::feed(const QByteArray& bytes)
{
    QList<Frame> done;
    for (const char ch : bytes)
        feed(ch, done);
    return done;
}

void FrameReader::feed(char ch, QList<Frame>& done)
{
    if (ch == kSoh) {
        if (m_state != State::Between) {
            if (m_state == State::Inside)
                breakFrame(QStringLiteral("SOH inside the frame"));
            finish(done);
        }
        m_state = State::Inside;
        m_bytes = QByteArray(1, ch);
        return;
    }
    if (m_state == State::Between) {
        m_state = State::Broken;
        m_fault = ch == kEot ? QStringLiteral("EOT without SOH") : QStringLiteral("no SOH");
    }
    m_bytes += ch;
    if (ch == kEot) {
        if (m_state == State::Inside && m_text.isEmpty())
            breakFrame(QStringLiteral("empty frame"));
        finish(done);
        return;
    }
    if (m_state == State::Broken) {
        if (m_bytes.size() >= kMaxBroken)
            finish(done); // and the rest of the noise is broken too
        if (m_state == State::Between) {
            m_state = State::Broken;
            m_fault = QStringLiteral("no SOH");
        }
        return;
    }
    if (!isFrameText(ch))
        breakFrame(byteName(ch) + QStringLiteral(" in the text"));
    else if (m_text.size() == kMaxText)
        breakFrame(QStringLiteral("longer than %1 characters").arg(kMaxText));
    else
        m_text += ch;
}

void FrameReader::breakFrame(const QString& fault)
{
    m_state = State::Broken;
    m_fault = fault;
}

void FrameReader::finish(QList<Frame>& done)
{
    Frame f;
    f.bytes = m_bytes;
    f.fault = m_state == State::Broken ? m_fault : QString();
    if (f.valid())
        f.text = m_text;
    done << f;
    m_state = State::Between;
    m_bytes.clear();
    m_text.clear();
    m_fault.clear();
}

}  // namespace varnox::bussim
