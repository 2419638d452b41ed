// Where a calendar goes: standard output or a file, written out in large blocks.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Text gathers in a buffer and is written out whenever a block of it has gathered.
class CalendarSink {
  public:
    explicit CalendarSink(std::FILE* file);
    std::string& Text() { return text_; }
    void MaybeFlush();
    // True when everything reached the file.
    bool Finish();

  private:
    void Flush();
    std::FILE* file_;
    std::string text_;
    bool ok_ = true;
};

// Has write fill a sink on a temporary file beside path, then renames that file over path, so that a failed run
// leaves an earlier file whole. False when write fails or the file cannot be written.
bool WriteCalendarFile(const std::string& path, const std::function<bool(CalendarSink&)>& write);
