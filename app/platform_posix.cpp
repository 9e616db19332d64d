#include "app/platform.h"

#include <SDL.h>
#include <malloc.h>

#include <cstdio>

// A program started from a terminal already writes to it; one started from the desktop menu has
// its stderr in the session's log.
void ConnectConsole() {}

void ReportFailure(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }

// Without DISPLAY or WAYLAND_DISPLAY SDL falls back to its offscreen driver.
bool MayRunUnseen() { return true; }

// The C library serves blocks from 128 KB up from the system, and hands them back when freed; but
// each such free raises that size to the block's, so the later pictures' buffers (up to 574 KB)
// would come from the heap and leave it 6 MB larger than what it holds. A fixed size keeps the
// first rule.
void GiveBackFreedMemory() { mallopt(M_MMAP_THRESHOLD, 64 * 1024); }

// Created at the desktop's size: without a window manager a small full-screen window would show
// only part of what SDL draws.
uint32_t MainWindowFlags() { return SDL_WINDOW_FULLSCREEN_DESKTOP; }
