#include "ctl/Interrupt.h"

#include <QFile>

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace varnox::ctl {
namespace {

// What the handler removes; plain buffers, as a signal handler may use no more.
constexpr std::size_t kPathSize = 4096;
char workCopy[kPathSize];
char journal[kPathSize];
char lock[kPathSize];
volatile std::sig_atomic_t armed = 0;

constexpr int kSignals[] = { SIGINT, SIGTERM, SIGHUP };

void onSignal(int number)
{
    if (armed) {
        ::unlink(journal);
        ::unlink(workCopy);
        ::unlink(lock);
    }
    // Ends as the signal would have ended the program.
    std::signal(number, SIG_DFL);
    std::raise(number);
}

bool copyPath(char* target, const QByteArray& path)
{
    if (std::size_t(path.size()) >= kPathSize)
        return false;
    std::memcpy(target, path.constData(), std::size_t(path.size()) + 1);
    return true;
}

} // namespace

InterruptCleanup::InterruptCleanup(const QString& workCopyPath, const QString& lockPath)
{
    const QByteArray path = QFile::encodeName(workCopyPath);
    if (workCopyPath.isEmpty() || !copyPath(workCopy, path) || !copyPath(journal, path + "-journal")
        || !copyPath(lock, QFile::encodeName(lockPath)))
        return;
    armed = 1;
    for (const int number : kSignals)
        std::signal(number, onSignal);
}

InterruptCleanup::~InterruptCleanup()
{
    armed = 0;
    for (const int number : kSignals)
        std::signal(number, SIG_DFL);
}

} // namespace varnox::ctl
