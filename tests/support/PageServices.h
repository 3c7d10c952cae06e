#pragma once

#include "FakeClock.h"
#include "ProjectFixture.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"

namespace varnox::test {

// What a page of the main window is given, around an open test project.
struct PageServices {
    ProjectFixture project;
    Session session;
    ConfigFile config{ProgramFolder::configFile()};
    FakeClock clock;
    DailyProtocol protocol{clock};
    EventSink events;
    AppServices services{session, config, protocol, clock, events};

    PageServices()
    {
        session.workCopyName = ProjectFixture::workCopyName();
        session.projectOpen = true;
    }
};

}  // namespace varnox::test
