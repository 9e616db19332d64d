#include "app/platform.h"

#include <cstdio>

// A program started from a terminal already writes to it; one started from the desktop menu has
// its stderr in the session's log.
void ConnectConsole() {}

void ReportFailure(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }

// Without DISPLAY or WAYLAND_DISPLAY SDL falls back to its offscreen driver.
bool MayRunUnseen() { return true; }
