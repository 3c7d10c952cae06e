#pragma once

// What a page of the main window is built with, for a test: a fresh program
// folder, a fake clock and an open test project's work copy.
#include "ProjectFixture.h"
#include "TestServices.h"

namespace varnox::test {

struct PageServices {
    ProjectFixture project;  // first: it makes the program folder the rest lives in
    QString workCopy = project.path();
    TestServices base;
    Session& session = base.session;
    ConfigFile& config = base.config;
    FakeClock& clock = base.clock;
    DailyProtocol& protocol = base.protocol;
    EventSink& events = base.events;
    AppServices& services = base.services;

    PageServices()
    {
        session.workCopyName = ProjectFixture::workCopyName();
        session.projectOpen = true;
    }
};

}  // namespace varnox::test
