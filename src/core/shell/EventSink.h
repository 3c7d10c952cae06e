#pragma once

#include "core/shell/Message.h"

#include <QObject>

namespace varnox {

// Background events (a port that fails, a watchdog that fires) that nobody
// asked for at that moment. The main window shows them; tests record them.
class EventSink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void messageRaised(const varnox::Message& message);
};

}  // namespace varnox
