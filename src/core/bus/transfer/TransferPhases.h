#pragma once

#include "core/shell/TimerDriver.h"

#include <optional>

namespace varnox {

class DataTransfer;

// The first phase of a transfer (TimerDelz for a configuration block,
// TimerDel for a key image): find the reader, select it and open its
// EEPROM, then start the second phase and wait until it is done.
class EepromAccessPhase final : public TimerProcedure {
public:
    enum class State { Idle, Search, SearchAnswer, Select, SelectAnswer, RequestAccess, PollAccess, AwaitWriting };
    static constexpr int kMaxPolls = 200;

    explicit EepromAccessPhase(DataTransfer& transfer)
        : m_transfer(transfer)
    {
    }

    // Runs the first step at once and asks for the timer.
    void start();
    void stop() { m_state = State::Idle; }
    std::optional<int> tick() override;
    State state() const { return m_state; }

private:
    std::optional<int> step();

    DataTransfer& m_transfer;
    State m_state = State::Idle;
    int m_interval = 0; // the last one set: the waiting ticks keep it
};

// The second phase (TimerTMTz, TimerTMT): four bytes at a time, two writes
// and a read-back each, the reader selected afresh every sixteen bytes; a
// group that reads back wrong is written again after 2, 4 and 6 s, the
// reader selected anew after the fourth failure, and the fifth ends the
// transfer.
class WriteVerifyPhase final : public TimerProcedure {
public:
    enum class State {
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
    static constexpr int kMaxRetries = 4;

    explicit WriteVerifyPhase(DataTransfer& transfer)
        : m_transfer(transfer)
    {
    }

    // Runs step 0, which only asks for the timer.
    void start();
    void stop() { m_state = State::Idle; }
    std::optional<int> tick() override;
    State state() const { return m_state; }

private:
    std::optional<int> step();
    std::optional<int> verify();

    DataTransfer& m_transfer;
    State m_state = State::Idle;
};

} // namespace varnox
