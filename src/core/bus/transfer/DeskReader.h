#pragma once

#include "core/bus/TelegramAssembler.h"
#include "core/shell/Message.h"

#include <QObject>
#include <QString>

namespace varnox {

// The desk reader's receive side (MSComm2 with DeskBuffer): it frames what
// arrives like a bus line does and takes a telegram of at least ten
// characters as a learned key number. A shorter telegram is dropped. A
// telegram that starts with "." is not a key number, and its characters
// stay in the buffer until the next SOH, so that whatever follows without a
// SOH is not taken either. Characters before the first SOH count as part of
// the number; a buffer that never sees EOT is dropped at the framing's cap.
class DeskReader : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinKeyLength = 10;

    using QObject::QObject;

    void receive(char ch);

signals:
    void keyLearned(const QString& number);

private:
    TelegramAssembler m_buffer; // DeskBuffer
    bool m_holdingDot = false; // the buffer still begins with "."
};

// A learned number arrives while the key page is not in its state New.
Message learnedKeyRefusedMessage();
// The learned number is a key of the project already.
Message learnedKeyKnownMessage();

} // namespace varnox
