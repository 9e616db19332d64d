#pragma once
// What differs between the systems the game runs on and SDL does not hide. The build picks one
// implementation: platform_windows.cpp, platform_posix.cpp or platform_browser.cpp.
#include <cstdint>
#include <string>

// Lets --help, --version and the failure lines reach the terminal the program was started from,
// also where the program is a windowed one that gets no console of its own.
void ConnectConsole();

// Says why the game cannot start or go on: the one line on stderr and, where a player who
// started the game by double-clicking has no terminal to read it in, in a message box as well.
void ReportFailure(const std::string& line);

// Whether SDL may fall back to a video driver that shows nothing when no display server is
// found, so that the game must check it got a real one.
bool MayRunUnseen();

// Has memory that start-up reads and drops again (every picture file passes through a scratch
// buffer) go back to the system when it is freed, instead of staying in the process as holes
// between the pictures that are kept.
void GiveBackFreedMemory();

// SDL's flags for the game's window: full screen at the desktop's size, or, in a browser, filling
// the canvas that the page sizes.
uint32_t MainWindowFlags();
