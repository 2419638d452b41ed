// A POSIX file descriptor that is closed when it goes out of scope.
#pragma once

#include <unistd.h>

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, reporting the result, which for a written file is the last word on whether the data got there.
    bool CloseNow() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

  private:
    int fd_;
};
