#pragma once

// What a page of the main window is built with, for a test: a fresh program
// folder, a fake clock and an open project's work copy.
#include "FakeClock.h"
#include "ProjectRows.h"
#include "TempHome.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"

#include <QFileInfo>

namespace varnox::test {

struct PageServices {
    TempHome home;
    Session session;
    ConfigFile config{ProgramFolder::configFile()};
    FakeClock clock;
    DailyProtocol protocol{clock};
    EventSink events;
    AppServices services{session, config, protocol, clock, events};
    QString workCopy;

    PageServices()
    {
        workCopy = newWorkCopy();
        session.workCopyName = QFileInfo(workCopy).fileName();
        session.projectOpen = true;
    }
};

}  // namespace varnox::test
