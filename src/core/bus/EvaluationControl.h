#pragma once

#include <QObject>

namespace varnox {

// The handle by which reception starts the evaluation of key requests. The
// evaluation owns the flag and the step; reception only starts it, and only
// while no evaluation is running, by setting the step to 0 and asking for
// TimerEvalKeyRequest to fire after 1 ms. The evaluation connects
// startRequested to its timer.
class EvaluationControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool running = false;  // from the start of a pairing until the request is done
    int step = 0;

    void startIfIdle()
    {
        if (running)
            return;
        step = 0;
        emit startRequested(1);
    }

signals:
    void startRequested(int intervalMs);  // start TimerEvalKeyRequest
};

}  // namespace varnox
