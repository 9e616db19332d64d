#include "app/window.h"

#include <SDL.h>

SDL_Window* MainWindow = nullptr;

SDL_Window* CreateMainWindow() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return nullptr;
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

const char* WindowError() { return SDL_GetError(); }

void CloseMainWindow() {
    if (MainWindow) SDL_DestroyWindow(MainWindow);
    MainWindow = nullptr;
    SDL_Quit();
}
