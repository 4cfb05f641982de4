#pragma once
// Makes writes fail part-way, as on a full disk, for the life of the object.

#include <csignal>

#include <sys/resource.h>

namespace velmora::testing {

// Lowers the largest file size this process may write, so that a write fails half
// way as on a full disk (root is not stopped by permissions, but by this).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved_;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace velmora::testing
