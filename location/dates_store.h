// Where the people's dates file (dates_file.h) is kept and how it is read and saved: %APPDATA%\Kestrelon\dates on
// Windows, $XDG_CONFIG_HOME/kestrelon/dates (or ~/.config/kestrelon/dates) elsewhere, beside the settings file. The
// platform's code: dates_store_posix.cpp and dates_store_win.cpp.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "location/atomic_file.h"
#include "location/dates_file.h"

// The file's path; empty, with why set, when the system names no folder for it.
std::string UserDatesPath(std::string& why);

// Nothing: no file, no dates; Unreadable: there but not read (too large, not a regular file, not allowed), so it
// must not be saved over.
using DatesFileFound = SmallFileFound;

// Reads the file without waiting (a FIFO put in its place is not waited for) and without reading more than
// kDatesFileMaxBytes + 1 bytes. Unreadable with why set ("is larger than 262144 bytes", "Permission denied").
DatesFileFound LoadDatesFile(const std::string& path, DatesFileContents& contents, std::string& why);
// Writes the whole file anew (location/atomic_file.h), making its folder when there is none: a reader, a crash or
// another save finds the old file or one new file whole. False with error set ("cannot write 'PATH': REASON").
bool SaveDatesFile(const std::string& path, const DatesFileContents& contents, std::string& error);

// Taken by whoever changes the file (kestrelon-cli, the window) before reading it and held until the change is
// saved, so that two changes made at the same moment are both kept: the second reads what the first saved. Readers
// that change nothing need not take it: a save replaces the file whole. On POSIX systems a lock on the file's folder
// (flock), in Windows a mutex of the session; either goes with the process that holds it.
class DatesChangeLock {
  public:
    DatesChangeLock();
    ~DatesChangeLock();
    DatesChangeLock(const DatesChangeLock&) = delete;
    DatesChangeLock& operator=(const DatesChangeLock&) = delete;

    // Makes the file's folder when there is none and waits for the lock. False with error set ("cannot create
    // 'FOLDER': REASON", "cannot lock 'FOLDER': REASON").
    bool Take(const std::string& path, std::string& error);

  private:
    struct Held;
    std::unique_ptr<Held> held_;
};
