// Where a calendar goes: standard output or a file, written out in large blocks.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "location/atomic_file.h"

// Text gathers in a buffer and is written out whenever a block of it has gathered.
class CalendarSink {
  public:
    explicit CalendarSink(std::FILE* file);
    explicit CalendarSink(const FileBytesWriter& file);
    std::string& Text() { return text_; }
    void MaybeFlush();
    // True when everything reached the file.
    bool Finish();

  private:
    void Flush();
    std::FILE* stream_ = nullptr;
    const FileBytesWriter* file_ = nullptr;
    std::string text_;
    bool ok_ = true;
};

// Has write fill a sink on path, written whole (location/atomic_file.h): a regular file is replaced only once
// everything is written, so that a failed run leaves an earlier file whole; a device or a pipe is written in place.
// False with the system's reason in error when write fails or the file cannot be written.
bool WriteCalendarFile(const std::string& path, const std::function<bool(CalendarSink&)>& write, std::string& error);
