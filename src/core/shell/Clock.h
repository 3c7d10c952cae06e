#pragma once

#include <QDateTime>

namespace varnox {

// Everything that reads the time of day asks a Clock, so that tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;  // local time
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    static const SystemClock& instance()
    {
        static const SystemClock clock;
        return clock;
    }
};

}  // namespace varnox
