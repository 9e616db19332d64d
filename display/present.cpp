#include <SDL.h>

#include "display/display.h"

int AttachDisplayWindow(SDL_Window* window) {
    if (!window) return 0;
    // Sharp pixels: the 640x480 picture is scaled by whole-pixel sampling and letterboxed.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) return 0;
    const int width = TheDisplay.screenWidth;
    const int height = TheDisplay.screenHeight;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    SDL_Surface* present = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!texture || !present || SDL_RenderSetLogicalSize(renderer, width, height) != 0) {
        SDL_FreeSurface(present);
        SDL_DestroyTexture(texture);
        SDL_DestroyRenderer(renderer);
        return 0;
    }
    TheDisplay.window = window;
    TheDisplay.renderer = renderer;
    TheDisplay.texture = texture;
    TheDisplay.presentSurface = present;
    return 1;
}

int FlipDisplay() {
    if (!TheDisplay.renderer || !TheDisplay.backSurface) return 1;
    // Textures take no indexed pixels: SDL converts through the palette into the 32-bit copy.
    SDL_BlitSurface(TheDisplay.backSurface, nullptr, TheDisplay.presentSurface, nullptr);
    SDL_UpdateTexture(TheDisplay.texture, nullptr, TheDisplay.presentSurface->pixels,
                      TheDisplay.presentSurface->pitch);
    SDL_SetRenderDrawColor(TheDisplay.renderer, 0, 0, 0, 255);
    SDL_RenderClear(TheDisplay.renderer);
    SDL_RenderCopy(TheDisplay.renderer, TheDisplay.texture, nullptr, nullptr);
    SDL_RenderPresent(TheDisplay.renderer);
    return 1;
}

void ToggleFullscreen() {
    SDL_Window* window = TheDisplay.window;
    if (!window) return;
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowSize(window, TheDisplay.screenWidth, TheDisplay.screenHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
}

void ShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }
