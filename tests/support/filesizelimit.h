#pragma once
// A full disk, as far as one process and the processes it starts can tell: files may not grow
// beyond a limit while the guard lives, and a write beyond it fails with EFBIG instead of
// ending the process by signal.

#include <csignal>
#include <sys/resource.h>

namespace rzv::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN); // inherited by started processes
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};

} // namespace rzv::test
