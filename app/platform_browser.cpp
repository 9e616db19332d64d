#include "app/platform.h"

#include <SDL.h>
#include <emscripten.h>

#include <cstdio>

// The browser's console is the page's terminal: stdout and stderr already go there.
void ConnectConsole() {}

// A player sees the page, not its console: the line goes on the page too, in place of the game.
void ReportFailure(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    EM_ASM({ if (Module.showFailure) Module.showFailure(UTF8ToString($0)); }, line.c_str());
}

// The browser's canvas is always there.
bool MayRunUnseen() { return false; }

// WebAssembly memory never shrinks: nothing to hand back.
void GiveBackFreedMemory() {}

// The page sizes the canvas to fill the browser's window; the game draws into all of it, its picture
// scaled and letterboxed as on a full screen, and SDL follows the canvas when the window is resized.
uint32_t MainWindowFlags() { return SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI; }
