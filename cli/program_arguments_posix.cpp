#include "cli/program_arguments.h"

Arguments ProgramArguments(int argc, char** argv) {
    return Arguments(argv + 1, argv + argc);
}
