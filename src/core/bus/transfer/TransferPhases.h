#pragma once

#include "core/shell/TimerDriver.h"

#include <optional>

namespace varnox {

class DataTransfer;

// What both phases of a transfer share: the transfer they work for and the
// step they are at, Idle when stopped.
template <typename StateType> class TransferPhase : public TimerProcedure {
public:
    using State = StateType;

    explicit TransferPhase(DataTransfer& transfer)
        : m_transfer(transfer)
    {
    }

    void stop() { m_state = State::Idle; }
    State state() const { return m_state; }

protected:
    // Goes to `first` and runs it at once, asking for the timer.
    void begin(State first)
    {
        m_state = first;
        if (const std::optional<int> next = tick())
            requestWake(*next);
    }

    DataTransfer& m_transfer;
    State m_state = State::Idle;
};

enum class EepromAccessState {
    Idle,
    Search,
    SearchAnswer,
    Select,
    SelectAnswer,
    RequestAccess,
    PollAccess,
    AwaitWriting
};

// The first phase of a transfer (TimerDelz for a configuration block,
// TimerDel for a key image): find the reader, select it and open its
// EEPROM, then start the second phase and wait until it is done.
class EepromAccessPhase final : public TransferPhase<EepromAccessState> {
public:
    static constexpr int kMaxPolls = 200;

    using TransferPhase::TransferPhase;

    void start() { begin(State::Search); }
    std::optional<int> tick() override;

private:
    std::optional<int> step();

    int m_interval = 0; // the last one set: the waiting ticks keep it
};

enum class WriteVerifyState {
    Idle,
    Begin,
    Search,
    SearchAnswer,
    Select,
    SelectAnswer,
    WriteFirst,
    WriteSecond,
    ReadBack,
    Verify
};

// The second phase (TimerTMTz, TimerTMT): four bytes at a time, two writes
// and a read-back each, the reader selected afresh every sixteen bytes; a
// group that reads back wrong is written again after 2, 4 and 6 s, the
// reader selected anew after the fourth failure, and the fifth ends the
// transfer.
class WriteVerifyPhase final : public TransferPhase<WriteVerifyState> {
public:
    static constexpr int kMaxRetries = 4;

    using TransferPhase::TransferPhase;

    // Step 0 only asks for the timer.
    void start() { begin(State::Begin); }
    std::optional<int> tick() override;

private:
    std::optional<int> step();
    std::optional<int> verify();
};

} // namespace varnox
