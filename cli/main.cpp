// kestrelon-cli: the calendar, holidays and zmanim of Kestrelon on the command line.
#include "cli/commands.h"

int main(int argc, char** argv) {
    return RunCommandLine(Arguments(argv + 1, argv + argc));
}
