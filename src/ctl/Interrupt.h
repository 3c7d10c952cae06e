#pragma once

#include <QString>

namespace varnox::ctl {

// A varnoxctl ended by a signal (Ctrl-C, a closed terminal, kill) takes the
// work copy it made along: that copy is nobody's but this command's, and the
// project file is only ever replaced in one piece, so it is whole whenever
// the signal comes. Left behind, the copy would look like unsaved changes of
// the program and keep the project from being changed. The project's lock,
// this command's too, goes with it.
class InterruptCleanup {
public:
    InterruptCleanup(const QString& workCopyPath, const QString& lockPath);
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;
};

} // namespace varnox::ctl
