#include "app/platform.h"

#include <SDL.h>
#include <windows.h>

#include <cstdio>

#include "app/window.h"

namespace {

bool Unconnected(DWORD stream) { return GetFileType(GetStdHandle(stream)) == FILE_TYPE_UNKNOWN; }

}  // namespace

// A windowed program gets no console. Started from a terminal it borrows the terminal's; output
// already sent somewhere (a pipe, a file) stays there, and from Explorer nothing is shown.
void ConnectConsole() {
    const bool out = Unconnected(STD_OUTPUT_HANDLE), err = Unconnected(STD_ERROR_HANDLE);
    if (!(out || err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (out) std::freopen("CONOUT$", "w", stdout);
    if (err) std::freopen("CONOUT$", "w", stderr);
}

// Over the full-screen window when there is one, or the box would open behind it.
void ReportFailure(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "QUORAX", line.c_str(), MainWindow);
}

// SDL's Windows driver is always there; it only shows nothing when the player asks for that.
bool MayRunUnseen() { return false; }

// Windows' heap has no such rising threshold: nothing to set.
void GiveBackFreedMemory() {}

// Created at the desktop's size: without a window manager a small full-screen window would show
// only part of what SDL draws.
uint32_t MainWindowFlags() { return SDL_WINDOW_FULLSCREEN_DESKTOP; }
