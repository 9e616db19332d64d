#include "app/window.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "app/platform.h"

SDL_Window* MainWindow = nullptr;

namespace {

SDL_Surface* icon = nullptr;
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
    if (MayRunUnseen() && !DisplayFound()) {
        std::snprintf(ErrorText, sizeof ErrorText,
                      "no display found: set DISPLAY or WAYLAND_DISPLAY, or run it from a desktop session");
        return nullptr;
    }
    SDL_DisplayMode desktop;
    int width = 640, height = 480;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        width = desktop.w;
        height = desktop.h;
    }
    MainWindow = SDL_CreateWindow("QUORAX", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  MainWindowFlags());
    // The game reads keys, never text: without text input every key stays the game's, where a
    // browser would otherwise act on Space, Enter or Escape itself.
    if (MainWindow) SDL_StopTextInput();
    return MainWindow;
}

const char* WindowError() {
    if (ErrorText[0] == '\0') std::snprintf(ErrorText, sizeof ErrorText, "cannot open the window: %s", SDL_GetError());
    return ErrorText;
}

int LoadWindowIcon(const char* file) {
    if (icon) SDL_FreeSurface(icon);
    // Opened apart from reading, so that a missing file is reported as such rather than as
    // the invalid parameter SDL_LoadBMP then complains about.
    SDL_RWops* stream = SDL_RWFromFile(file, "rb");
    if (!stream) return 0;
    icon = SDL_LoadBMP_RW(stream, 1);
    if (!icon) return 0;
    // SDL turns the colour key into transparency when it hands the icon to the window manager.
    return SDL_SetColorKey(icon, SDL_TRUE, 0) == 0 ? 1 : 0;
}

void ShowWindowIcon(SDL_Window* window) {
    if (!icon) return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
    icon = nullptr;
}

void CloseMainWindow() {
    if (MainWindow) SDL_DestroyWindow(MainWindow);
    MainWindow = nullptr;
    if (icon) SDL_FreeSurface(icon);
    icon = nullptr;
    SDL_Quit();
}
