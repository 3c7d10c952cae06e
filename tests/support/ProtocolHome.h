#pragma once

#include "FakeClock.h"
#include "TempHome.h"
#include "core/online/DailyProtocol.h"

namespace varnox::test {

// A fresh program folder and a daily protocol writing at the time the test sets.
struct ProtocolHome {
    TempHome home;
    FakeClock clock;
    DailyProtocol protocol {clock};

    explicit ProtocolHome(const QDateTime& start, bool encrypt = true, int recording = 255) : clock(start)
    {
        protocol.setSwitches({quint8(recording), encrypt});
    }
};

}  // namespace varnox::test
