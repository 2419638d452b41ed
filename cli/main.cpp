// kestrelon-cli: the calendar, holidays and zmanim of Kestrelon on the command line.
#include "cli/commands.h"
#include "cli/program_arguments.h"

int main(int argc, char** argv) {
    return RunCommandLine(ProgramArguments(argc, argv));
}
