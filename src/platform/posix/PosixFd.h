#pragma once

// What the POSIX side of the platform layer shares: a descriptor closed with its owner, and how a
// failed system call is described for the log.

#include <unistd.h>

#include <cstring>
#include <string>

namespace tabulex::platform::posix {

inline std::string SystemError(const char* what, int code) {
    return std::string(what) + ": " + std::strerror(code);
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

}  // namespace tabulex::platform::posix
