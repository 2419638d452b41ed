// Where the people's dates file (dates_file.h) is kept and how it is read and saved: %APPDATA%\Kestrelon\dates on
// Windows, $XDG_CONFIG_HOME/kestrelon/dates (or ~/.config/kestrelon/dates) elsewhere, beside the settings file. The
// platform's code: dates_store_posix.cpp and dates_store_win.cpp.
#pragma once

#include <cstddef>
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
