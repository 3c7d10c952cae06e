#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace varnox::bussim {

constexpr char kSoh = '\x01';
constexpr char kEot = '\x04';

// The characters a telegram's text may hold: blank to "F".
constexpr bool isFrameText(char c)
{
    return c >= 0x20 && c <= 0x46;
}
bool isFrameText(const QString& text);

// What the PC interface of a line takes from the PC: SOH, a text of the
// characters from blank to "F", EOT, and nothing between two frames. It is
// strict where the program's own reception is lenient, so that whatever the
// program sends wrong shows: a frame without SOH, a byte outside the text
// range (a lower-case digit, a control character), a SOH inside a frame, an
// empty frame, a text longer than any telegram. Such a frame is dropped whole
// and reported, with the bytes it was made of.
class FrameReader {
public:
    // The longest telegram: the blank of a bus command and eight digits.
    static constexpr int kMaxText = 9;

    struct Frame {
        QByteArray text; // the telegram, when valid
        QByteArray bytes; // everything the frame was made of, SOH and EOT included
        QString fault; // empty when valid
        bool valid() const { return fault.isEmpty(); }
    };

    // The frames `bytes` complete, valid or not, in their order.
    QList<Frame> feed(const QByteArray& bytes);

private:
    enum class State { Between, Inside, Broken };

    void feed(char ch, QList<Frame>& done);
    void breakFrame(const QString& fault);
    void finish(QList<Frame>& done);

    State m_state = State::Between;
    QByteArray m_bytes;
    QByteArray m_text;
    QString m_fault;
};

}  // namespace varnox::bussim
