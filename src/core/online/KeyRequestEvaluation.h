#pragma once

#include "core/bus/EvaluationControl.h"
#include "core/online/AccessDecision.h"
#include "core/online/KeyRequestPairing.h"
#include "core/shell/TimerDriver.h"

#include <QObject>
#include <functional>

namespace varnox {

class BusSystem;
class Clock;
class DailyProtocol;
class EventSink;
class MonitorList;

// What became of the function of a granted request.
enum class FunctionResult {
    Pending = 255, // sent, the confirmation decides
    Confirmed = 0, // sent, and the reader acknowledged the grant
    LineZero = 1, // the function's bus line is 0
    NotFound = 2, // no such function, or its bus line has no row
    Unconfirmed = 3, // sent, no acknowledgement came
    NotSent = 4, // its bus line's port is closed, or the stored telegram cannot be sent
};

// The evaluation of key requests behind TimerEvalKeyRequest, one request at
// a time. A request goes Pairing -> Completion when it is refused and
// Pairing -> Function -> GrantReply -> Confirmation -> ResultTexts ->
// Completion when it is granted, then NextRequest. Each tick does one step
// and says when the next one is due, so that telegrams keep coming in
// between; the protocol list is read by position at every step, which holds
// because lines are only appended while a request is under way (the list
// drops its oldest lines only between requests).
//
// Nothing a request needs may hold the program up: the work copy is read
// within a time budget, and a request whose step fails for any reason ends
// with its protocol line while the evaluation goes on with the next one.
class KeyRequestEvaluation : public QObject, public TimerProcedure {
    Q_OBJECT
public:
    KeyRequestEvaluation(BusSystem& bus, const Clock& clock, DailyProtocol& protocol, EventSink& events,
        std::function<QString()> workCopyPath, MonitorList& monitor, QObject* parent = nullptr);

    static const char* stepName(EvaluationStep step);

    std::optional<int> tick() override;

    // How long one step may spend reading the work copy.
    void setTimeBudget(int ms) { m_budgetMs = ms; }

    // The request under way (or the last one).
    const KeyRequest& request() const { return m_request; }
    const AccessDecision& decision() const { return m_decision; }
    FunctionResult functionResult() const { return m_functionResult; }

private:
    std::optional<int> pairing();
    std::optional<int> decide(int qIndex);
    std::optional<int> sendFunction();
    std::optional<int> sendGrantReply();
    std::optional<int> checkConfirmation();
    std::optional<int> appendResultTexts();
    std::optional<int> complete();
    std::optional<int> nextRequest();
    std::optional<int> failed(const std::exception& e);
    void removePair();
    void removeLine(int index, const QString& expected);
    void append(const QString& text);
    QString workCopy() const;

    BusSystem& m_bus;
    EvaluationControl& m_control;
    const Clock& m_clock;
    DailyProtocol& m_protocol;
    EventSink& m_events;
    std::function<QString()> m_workCopyPath;
    MonitorList& m_monitor;
    int m_budgetMs = 300;

    KeyRequest m_request;
    AccessDecision m_decision;
    FunctionResult m_functionResult = FunctionResult::Pending;
    QString m_monitorTime;
    QString m_aLine;
    QString m_qLine;
    int m_qIndex = -1; // -1 while no pair is held
    bool m_errorReported = false;
};

} // namespace varnox
