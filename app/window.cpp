#include "app/window.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

SDL_Window* MainWindow = nullptr;

namespace {

char ErrorText[256] = "";

// With no display at all SDL falls back to a driver that shows nothing, and the game would run
// on unseen and never end by itself. Those drivers are only right when the player asked for them.
bool DisplayFound()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    const bool showsNothing = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    return !showsNothing || (asked && *asked);
}

}  // namespace

SDL_Window* CreateMainWindow() {
    ErrorText[0] = '\0';
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return nullptr;
    if (!DisplayFound()) {
        std::snprintf(ErrorText, sizeof ErrorText,
                      "no display found: set DISPLAY or WAYLAND_DISPLAY, or run it from a desktop session");
        return nullptr;
    }
    // Created at the desktop's size: without a window manager a small full-screen window
    // would show only part of what SDL draws.
    SDL_DisplayMode desktop;
    int width = 640, height = 480;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        width = desktop.w;
        height = desktop.h;
    }
    MainWindow = SDL_CreateWindow("QUORAX", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  SDL_WINDOW_FULLSCREEN_DESKTOP);
    return MainWindow;
}

const char* WindowError() {
    if (ErrorText[0] == '\0') std::snprintf(ErrorText, sizeof ErrorText, "cannot open the window: %s", SDL_GetError());
    return ErrorText;
}

void CloseMainWindow() {
    if (MainWindow) SDL_DestroyWindow(MainWindow);
    MainWindow = nullptr;
    SDL_Quit();
}
