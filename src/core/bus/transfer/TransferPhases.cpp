#include "core/bus/transfer/TransferPhases.h"

#include "core/bus/LineSlots.h"
#include "core/bus/Telegram.h"
#include "core/bus/transfer/DataTransfer.h"

namespace varnox {
namespace {

// The intervals of the steps, in milliseconds.
constexpr int kSearchAnswerMs = 200;
constexpr int kAfterSearchMs = 100;
constexpr int kSelectAnswerMs = 250;
constexpr int kPollMs = 50;
constexpr int kWriteMs = 230;
constexpr int kReadBackMs = 250;
constexpr int kNextGroupMs = 50;
constexpr int kWritePhaseStartMs = 250;
constexpr int kRetryStepMs = 2000;

const QLatin1String kEepromOpen("8801");

std::optional<int> failWith(DataTransfer& transfer, TransferFailure why)
{
    transfer.fail(why);
    return std::nullopt;
}

// The search both phases begin with: from the first address, no progress yet.
int sendSearch(DataTransfer& t)
{
    t.keyRequest().clear();
    t.send(telegram::search());
    t.context().address = 0;
    t.setProgress(0);
    return kSearchAnswerMs;
}

int sendSelect(DataTransfer& t, int address)
{
    t.keyRequest().clear();
    t.send(telegram::select(address, t.serialNumber()));
    return kSelectAnswerMs;
}

QString groupDigits(const MemoryImage& image, int address)
{
    QString digits;
    for (int i = 0; i < 4; ++i)
        digits += hexRight(image.at(address + i), 2);
    return digits;
}

} // namespace

std::optional<int> EepromAccessPhase::tick()
{
    const std::optional<int> next = step();
    if (next) {
        m_interval = *next;
        // Once the second phase runs, this one only watches for its end.
        if (m_state != State::AwaitWriting)
            m_transfer.addScheduled(*next);
    }
    return next;
}

std::optional<int> EepromAccessPhase::step()
{
    DataTransfer& t = m_transfer;
    DataTransfer::Context& c = t.context();
    const bool block = !t.image().isKeyImage();
    switch (m_state) {
    case State::Idle:
        return std::nullopt;
    case State::Search: {
        const int next = sendSearch(t);
        c.done = false;
        m_state = State::SearchAnswer;
        return next;
    }
    case State::SearchAnswer:
        if (!t.keyRequest().ready)
            return failWith(t, TransferFailure::NoDevice);
        m_state = State::Select;
        return kAfterSearchMs;
    case State::Select: {
        const int next = sendSelect(t, 0);
        m_state = State::SelectAnswer;
        return next;
    }
    case State::SelectAnswer:
        if (!t.keyRequest().ready)
            return failWith(t, TransferFailure::NoReaderAnswer);
        m_state = State::RequestAccess;
        return block ? 150 : 50;
    case State::RequestAccess:
        c.polls = 0;
        t.send(telegram::eepromAccess());
        m_state = State::PollAccess;
        return block ? 200 : 250;
    case State::PollAccess:
        if (t.busEvent().text.mid(1, 4) == kEepromOpen) {
            m_state = State::AwaitWriting;
            t.startWritePhase();
            return m_interval;
        }
        if (c.polls == kMaxPolls)
            return failWith(t, TransferFailure::NoEepromAnswer);
        ++c.polls;
        return kPollMs;
    case State::AwaitWriting:
        if (!c.done)
            return m_interval;
        c.done = false;
        m_state = State::Idle;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<int> WriteVerifyPhase::tick()
{
    const std::optional<int> next = step();
    if (next)
        m_transfer.addScheduled(*next);
    return next;
}

std::optional<int> WriteVerifyPhase::step()
{
    DataTransfer& t = m_transfer;
    DataTransfer::Context& c = t.context();
    const MemoryImage& image = t.image();
    switch (m_state) {
    case State::Idle:
        return std::nullopt;
    case State::Begin:
        m_state = State::Search;
        return kWritePhaseStartMs;
    case State::Search: {
        const int next = sendSearch(t);
        m_state = State::SearchAnswer;
        return next;
    }
    case State::SearchAnswer:
        if (!t.keyRequest().ready)
            return failWith(t, TransferFailure::NoDevice);
        m_state = State::Select;
        return kAfterSearchMs;
    case State::Select: {
        const int next = sendSelect(t, c.address);
        m_state = State::SelectAnswer;
        return next;
    }
    case State::SelectAnswer:
        // While a group is retried the read-back decides, not the answer to the selection.
        if (!t.keyRequest().ready && c.retries == 0)
            return failWith(t, TransferFailure::NoReaderAnswer);
        m_state = State::WriteFirst;
        return kNextGroupMs;
    case State::WriteFirst:
        if (image.isKeyImage() && c.address >= image.end()) {
            t.finish();
            return std::nullopt;
        }
        t.send(telegram::write(c.address, image.at(c.address), image.at(c.address + 1)));
        m_state = State::WriteSecond;
        return kWriteMs;
    case State::WriteSecond:
        t.send(telegram::write(c.address + 2, image.at(c.address + 2), image.at(c.address + 3)));
        m_state = State::ReadBack;
        return kWriteMs;
    case State::ReadBack:
        t.keyRequest().clear(); // before the request, so that the answer cannot slip past
        t.send(telegram::readBack(c.address));
        m_state = State::Verify;
        return kReadBackMs;
    case State::Verify:
        return verify();
    }
    return std::nullopt;
}

std::optional<int> WriteVerifyPhase::verify()
{
    DataTransfer& t = m_transfer;
    DataTransfer::Context& c = t.context();
    const MemoryImage& image = t.image();
    const TelegramSlot& answer = t.keyRequest();
    if (!answer.ready || answer.text.mid(1) != groupDigits(image, c.address)) {
        if (c.retries >= kMaxRetries)
            return failWith(t, TransferFailure::WriteReadError);
        m_state = State::WriteFirst;
        if (c.retries > 2) { // the fourth failure: find and select the reader again
            t.send(telegram::search());
            m_state = State::Select;
        }
        ++c.retries;
        return c.retries * kRetryStepMs;
    }
    c.retries = 0;
    c.address += 4;
    m_state = c.address % 16 == 0 ? State::Select : State::WriteFirst;
    if (c.address >= (image.isKeyImage() ? MemoryImage::kSize : MemoryImage::kBlockSize)) {
        t.finish();
        return std::nullopt;
    }
    t.setProgress(c.address);
    return kNextGroupMs;
}

} // namespace varnox
