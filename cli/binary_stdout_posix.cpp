#include "cli/binary_stdout.h"

// Nothing to do: the C library never translates line ends here.
void UseBinaryStdout() {}
