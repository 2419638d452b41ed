// The arguments kestrelon-cli was started with, as the commands take them: UTF-8 text, so that a name such as "Zoë"
// reaches `dates add` as the characters typed.
#pragma once

#include "cli/commands.h"

// The arguments after the program's name. On POSIX they are argv as given (the terminal's bytes); on Windows they are
// read again from the process's UTF-16 command line and converted to UTF-8, since argv holds them in the ANSI code
// page, which lacks most letters of the world and turns them into '?'.
Arguments ProgramArguments(int argc, char** argv);
