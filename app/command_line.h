#pragma once
// The two questions an installed program is asked before anyone plays it, --help and --version,
// and --touch, which shows the touch controls from the start (as a page started by a tap does).
#include <cstdio>

#include <string>

// Answers "--help" (or "-h") with how to play and "--version" with the version and, on a second
// line, what `builtWith` says (what the program runs with; asked only then), on `out`. Returns the
// exit code when the program should stop here, -1 when the game should start. Every other argument
// is ignored.
int AnswerCommandLine(int argc, const char* const* argv, std::FILE* out, std::string (*builtWith)());
bool AsksForTouchControls(int argc, const char* const* argv);
