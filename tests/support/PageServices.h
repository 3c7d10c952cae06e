#pragma once

// What a page of the main window is built with, for a test: a fresh program
// folder, a fake clock and an open test project's work copy.
#include "FakeClock.h"
#include "ProjectFixture.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"

namespace varnox::test {

struct PageServices {
    ProjectFixture project;
    QString workCopy = project.path();
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
