#pragma once

#include <csignal>
#include <sys/resource.h>

namespace varnox::test {

// Writes to files stop at a size limit, as they do on a full disk (the
// system reports the limit, EFBIG, where a full disk reports ENOSPC). Works
// for every user and needs nothing mounted.
class DiskFull {
public:
    explicit DiskFull(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit low = m_old;
        low.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &low);
    }
    ~DiskFull() { ::setrlimit(RLIMIT_FSIZE, &m_old); }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit m_old {};
};

}  // namespace varnox::test
