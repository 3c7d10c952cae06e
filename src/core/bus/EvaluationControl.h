#pragma once

#include <QObject>

namespace varnox {

// The steps of the evaluation of one key request, in their established
// numbering 0..6.
enum class EvaluationStep {
    Pairing = 0,       // find the "A" and "Q" lines of one request, derive and decide
    Function = 1,      // send the assigned function
    GrantReply = 2,    // send "A1" to the reader
    Confirmation = 3,  // did the reader acknowledge?
    ResultTexts = 4,   // append what became of the function
    Completion = 5,    // protocol line, monitor entry, time record, remove the pair
    NextRequest = 6,   // go on when more lines wait
};

// The handle by which reception starts the evaluation of key requests. The
// evaluation owns the flag and the step; reception only starts it, and only
// while no evaluation is running, by setting the step to Pairing and asking
// for TimerEvalKeyRequest to fire after 1 ms. The evaluation connects
// startRequested to its timer.
class EvaluationControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool running = false;  // from the start of a pairing until the request is done
    EvaluationStep step = EvaluationStep::Pairing;

    void startIfIdle()
    {
        if (running)
            return;
        step = EvaluationStep::Pairing;
        emit startRequested(1);
    }

signals:
    void startRequested(int intervalMs);  // start TimerEvalKeyRequest
};

}  // namespace varnox
