#pragma once

// What a window or page of the program is built with, for a test without an
// open project: the process-wide state, the configuration file of the
// program folder set at construction, a fake clock, the daily protocol and
// the event sink. Make the TempHome first.
#include "FakeClock.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"

namespace varnox::test {

struct TestServices {
    Session session;
    ConfigFile config{ProgramFolder::configFile()};
    FakeClock clock;
    DailyProtocol protocol{clock};
    EventSink events;
    AppServices services{session, config, protocol, clock, events};
};

}  // namespace varnox::test
