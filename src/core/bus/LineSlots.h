#pragma once

#include "core/bus/TelegramAssembler.h"

#include <QString>

namespace varnox {

// One slot holds only the latest telegram of its kind; a new one overwrites
// it. Whoever waits for a reply clears the flag (and the text where it
// matters) before sending the command.
struct TelegramSlot {
    QString text;
    bool ready = false;

    void clear()
    {
        text.clear();
        ready = false;
    }
    void fill(const QString& t)
    {
        text = t;
        ready = true;
    }
};

enum class SlotKind { CommandAnswer, BusEvent, KeyRequest };

// The receive state of one bus line.
struct LineSlots {
    TelegramAssembler rx;     // RxBuffer
    TelegramSlot cmdAnswer;   // CmdAnswer, CmdAnswerReady: the interface's answers
    TelegramSlot busEvent;    // BusEvent, BusEventReady: "$", "&" and "," telegrams
    TelegramSlot keyRequest;  // KeyRequest, KeyRequestReady: "%" and "'" telegrams
};

}  // namespace varnox
