#include "core/online/KeyRequestEvaluation.h"

#include "core/bus/BusSystem.h"
#include "core/bus/Telegram.h"
#include "core/lang/LanguageNames.h"
#include "core/lang/Texts.h"
#include "core/online/BoundedRead.h"
#include "core/online/DailyProtocol.h"
#include "core/online/MonitorList.h"
#include "core/online/TimeRecord.h"
#include "core/project/DbError.h"
#include "core/shell/Clock.h"
#include "core/shell/EventSink.h"

namespace varnox {
namespace {

constexpr int kRestartMs = 10;
constexpr int kAfterRefusalMs = 10;
constexpr int kNextStepMs = 1;
constexpr int kAfterFunctionMs = 200; // the function's telegram goes out before the grant reply
constexpr int kAfterGrantReplyMs = 300; // the time the reader has to acknowledge
// Lines cleared away at the head of the list within one tick before the
// evaluation lets the event loop run again; each step removes at least one.
constexpr int kRestartsPerTick = 32;

const QLatin1String kDash(" - ");

QString resultEnding(FunctionResult result)
{
    const QString done = GetText(471, " ausgeführt");
    const QString notDone = GetText(472, " nicht ausgeführt");
    switch (result) {
    case FunctionResult::Confirmed:
        return done;
    case FunctionResult::LineZero:
        return notDone + QStringLiteral(" (*1)");
    case FunctionResult::NotFound:
        return notDone + QStringLiteral(" (*2)");
    case FunctionResult::Unconfirmed:
        return done + QStringLiteral(" (*3)");
    case FunctionResult::NotSent:
    case FunctionResult::Pending:
        break;
    }
    return notDone + QStringLiteral(" (*4)");
}

} // namespace

KeyRequestEvaluation::KeyRequestEvaluation(BusSystem& bus, const Clock& clock, DailyProtocol& protocol,
    EventSink& events, std::function<QString()> workCopyPath, MonitorList& monitor, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_control(bus.evaluation())
    , m_clock(clock)
    , m_protocol(protocol)
    , m_events(events)
    , m_workCopyPath(std::move(workCopyPath))
    , m_monitor(monitor)
{
}

const char* KeyRequestEvaluation::stepName(EvaluationStep step)
{
    switch (step) {
    case EvaluationStep::Pairing:
        return "Pairing";
    case EvaluationStep::Function:
        return "Function";
    case EvaluationStep::GrantReply:
        return "GrantReply";
    case EvaluationStep::Confirmation:
        return "Confirmation";
    case EvaluationStep::ResultTexts:
        return "ResultTexts";
    case EvaluationStep::Completion:
        return "Completion";
    case EvaluationStep::NextRequest:
        return "NextRequest";
    }
    return "?";
}

std::optional<int> KeyRequestEvaluation::tick()
{
    try {
        switch (m_control.step) {
        case EvaluationStep::Pairing:
            return pairing();
        case EvaluationStep::Function:
            return sendFunction();
        case EvaluationStep::GrantReply:
            return sendGrantReply();
        case EvaluationStep::Confirmation:
            return checkConfirmation();
        case EvaluationStep::ResultTexts:
            return appendResultTexts();
        case EvaluationStep::Completion:
            return complete();
        case EvaluationStep::NextRequest:
            return nextRequest();
        }
    } catch (const std::exception& e) {
        return failed(e);
    }
    return std::nullopt;
}

// Lines that cannot be part of a request are cleared away one after the
// other within the tick, each with its protocol line, rather than one per
// 10 ms tick: the reader's acknowledgement of the last grant usually heads
// the list, and the next request should not wait behind it.
std::optional<int> KeyRequestEvaluation::pairing()
{
    const auto write = [this](const QString& text) { m_protocol.write(text); };
    for (int attempt = 0; attempt < kRestartsPerTick; ++attempt) {
        m_control.running = true;
        const Pairing p = pairKeyRequest(m_bus.protocolList(), m_clock.now(), write);
        if (p.outcome == Pairing::Outcome::Paired)
            return decide(p.qIndex);
        m_control.running = false;
        if (p.outcome == Pairing::Outcome::TooFewLines)
            return std::nullopt;
    }
    return kRestartMs;
}

std::optional<int> KeyRequestEvaluation::decide(int qIndex)
{
    ProtocolList& list = m_bus.protocolList();
    m_aLine = list.at(0);
    m_qLine = list.at(qIndex);
    m_qIndex = qIndex;
    m_request = KeyRequest::derive(ReceivedLine::parse(m_aLine), ReceivedLine::parse(m_qLine), m_clock.now());
    m_decision = {};
    m_functionResult = FunctionResult::Pending;
    m_monitor.makeRoom();
    {
        BoundedRead read(workCopy(), m_budgetMs);
        m_decision = decideAccess(read.db(), m_request);
    }
    m_monitorTime
        = localeOfLanguage(currentLanguage()).toString(m_request.moment, QStringLiteral("dd. MMMM yyyy  HH:mm:ss"));
    if (m_decision.granted) {
        m_control.step = EvaluationStep::Function;
        return 0;
    }
    m_control.step = EvaluationStep::Completion;
    return kAfterRefusalMs;
}

// When the function cannot be sent the request still goes on to the grant
// reply: the access rights allow the key, the reader waits for its answer,
// and what became of the function is the protocol's to tell.
std::optional<int> KeyRequestEvaluation::sendFunction()
{
    m_functionResult = FunctionResult::Pending;
    std::optional<StoredFunction> function;
    {
        BoundedRead read(workCopy(), m_budgetMs);
        function = lookupFunction(read.db(), m_decision.function);
    }
    m_control.step = EvaluationStep::GrantReply;
    if (!function)
        m_functionResult = FunctionResult::NotFound;
    else if (function->busLine == 0)
        m_functionResult = FunctionResult::LineZero;
    else if (!m_bus.ports().SendTelegram(function->telegram, function->busLine))
        m_functionResult = FunctionResult::NotSent;
    return m_functionResult == FunctionResult::Pending ? kAfterFunctionMs : kNextStepMs;
}

std::optional<int> KeyRequestEvaluation::sendGrantReply()
{
    m_bus.reception().keyRequest(m_request.busLine).clear();
    if (m_decision.granted)
        m_bus.ports().SendTelegram(telegram::grantReply(m_request.asAddress), m_request.busLine);
    m_control.step = EvaluationStep::Confirmation;
    return kAfterGrantReplyMs;
}

// Only a function that went out waits for the confirmation: a result
// already known stays. A confirmation still waiting in the port counts.
std::optional<int> KeyRequestEvaluation::checkConfirmation()
{
    if (isBusLine(m_request.busLine))
        m_bus.ports().port(m_request.busLine).readPending();
    if (m_functionResult == FunctionResult::Pending)
        m_functionResult = m_bus.reception().keyRequest(m_request.busLine).ready ? FunctionResult::Confirmed
                                                                                 : FunctionResult::Unconfirmed;
    m_control.step = EvaluationStep::ResultTexts;
    return kNextStepMs;
}

std::optional<int> KeyRequestEvaluation::appendResultTexts()
{
    const QString part = GetText(469, "Anfrage am Leser ") + m_decision.readerName.toUpper()
        + GetText(470, " - Funktion ") + m_decision.function.toUpper() + resultEnding(m_functionResult);
    m_decision.protocolText += kDash + part;
    m_decision.monitorText += part;
    m_control.step = EvaluationStep::Completion;
    return kNextStepMs;
}

std::optional<int> KeyRequestEvaluation::complete()
{
    if (m_decision.granted) {
        if (m_decision.timeRecordingRole > 0)
            WriteTimeRecord(m_clock, m_decision.keyName, m_decision.timeRecordingRole);
        m_decision.colour = kGrantedColour;
        if (m_decision.fixedPeriod)
            append(GetText(896, " - Fester Zeitraum"));
    } else {
        append(GetText(463, " - kein Zutritt"));
    }
    if (m_protocol.recording())
        m_monitor.add({ m_monitorTime, m_decision.monitorKey, m_decision.monitorText, m_decision.colour });
    m_protocol.write(m_decision.protocolText);
    removePair();
    m_errorReported = false;
    m_control.step = EvaluationStep::NextRequest;
    return kNextStepMs;
}

std::optional<int> KeyRequestEvaluation::nextRequest()
{
    m_control.step = EvaluationStep::Pairing;
    m_control.running = false;
    m_bus.protocolList().bound();
    if (m_bus.protocolList().count() >= 2)
        return kNextStepMs;
    return std::nullopt;
}

// Whatever failed (the work copy locked, vanished or too slow), the request
// ends here with its protocol line, and the next one gets its turn. The
// database report comes up once until a request gets through again, so that
// an unattended PC does not pile up boxes.
std::optional<int> KeyRequestEvaluation::failed(const std::exception& e)
{
    if (!m_errorReported) {
        m_errorReported = true;
        emit m_events.messageRaised(databaseErrorMessage(toDbError(e)));
    }
    m_protocol.write(GetText(938, "Unerwarteter Fehler bei der Bearbeitung einer Schlüsselanfrage!"));
    if (m_control.running)
        removePair();
    m_control.step = EvaluationStep::Pairing;
    m_control.running = false;
    m_bus.protocolList().bound();
    return m_bus.protocolList().count() > 1 ? std::optional<int>(kRestartMs) : std::nullopt;
}

QString KeyRequestEvaluation::workCopy() const
{
    return m_workCopyPath ? m_workCopyPath() : QString();
}

void KeyRequestEvaluation::append(const QString& text)
{
    m_decision.protocolText += text;
    m_decision.monitorText += text;
}

// The "A" line first, then the "Q" line, which has moved up by one.
void KeyRequestEvaluation::removePair()
{
    if (m_qIndex < 0)
        return;
    removeLine(0, m_aLine);
    removeLine(m_qIndex - 1, m_qLine);
    m_qIndex = -1;
}

void KeyRequestEvaluation::removeLine(int index, const QString& expected)
{
    ProtocolList& list = m_bus.protocolList();
    if (index < 0 || index >= list.count() || list.at(index) != expected)
        index = int(list.lines().indexOf(expected)); // never someone else's line
    list.removeAt(index);
}

} // namespace varnox
