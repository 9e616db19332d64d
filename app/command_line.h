#pragma once
// The two questions an installed program is asked before anyone plays it: --help and --version.
#include <cstdio>

// Answers "--help" (or "-h") with how to play and "--version" with the version, on `out`.
// Returns the exit code when the program should stop here, -1 when the game should start.
// Every other argument is ignored: the game itself takes no command line.
int AnswerCommandLine(int argc, const char* const* argv, std::FILE* out);
