// Standard output written byte for byte, so that the texts keep their "\n" line ends on every system.
#pragma once

void UseBinaryStdout();
