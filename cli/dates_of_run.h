// The people's dates file as one run of kestrelon-cli reads it: `dates` and `ical --dates`.
#pragma once

#include <string>
#include <vector>

#include "location/dates_store.h"

// The file of this run: read once, its problems reported once.
struct DatesOfRun {
    std::string path;
    DatesFileFound found = DatesFileFound::Nothing;
    DatesFileContents contents;
    DatesChangeLock lock;  // held from the read to the save by a run that changes the file
};

// Reads the file; returns 0, or 1 after the message when the file's path is unknown or the file cannot be read (so
// that a file the program cannot read is never saved over). A line that cannot be read is a warning.
int ReadDates(const char* command, DatesOfRun& run);
// The same for a run that will save the file: the change lock is taken first (1 after the message when it cannot
// be) and held until the run ends.
int ReadDatesToChange(const char* command, DatesOfRun& run);
