#pragma once

// What a page of the main window is built with, for a test: a fresh program
// folder, a fake clock and an open test project's work copy.
#include "ProjectFixture.h"
#include "ProjectRows.h"
#include "TestServices.h"

namespace varnox::test {

struct PageServices {
    ProjectFixture project;  // first: it makes the program folder the rest lives in
    QString workCopy = project.path();
    TestServices base;
    ConfigFile& config = base.config;
    AppServices& services = base.services;

    PageServices()
    {
        base.session.workCopyName = ProjectFixture::workCopyName();
        base.session.projectOpen = true;
    }
};

}  // namespace varnox::test
