#include <SDL.h>

#include <cstring>

#include "display/display.h"

SDL_Surface* CreatePaletteSurface(int width, int height) {
    if (!TheDisplay.displayPalette || width <= 0 || height <= 0) return nullptr;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
    if (!surface) return nullptr;
    // A surface with a palette of its own would have its indices remapped by every blit.
    if (SDL_SetSurfacePalette(surface, TheDisplay.displayPalette) != 0 || SDL_SetColorKey(surface, SDL_TRUE, 0) != 0) {
        SDL_FreeSurface(surface);
        return nullptr;
    }
    return surface;
}

int SetSurfaceOpaque(SDL_Surface* surface) {
    return surface && SDL_SetColorKey(surface, SDL_FALSE, 0) == 0 ? 1 : 0;
}

int CopyToSurface(SDL_Surface* surface, const uint8_t* source, int sourcePitch, int width, int height) {
    if (!surface || !source || width < 0 || height < 0 || sourcePitch < width) return 0;
    if (surface->format->BytesPerPixel != 1 || width > surface->w || height > surface->h) return 0;
    if (SDL_LockSurface(surface) != 0) return 0;
    auto* target = static_cast<uint8_t*>(surface->pixels);
    for (int row = 0; row < height; ++row)
        std::memcpy(target + row * surface->pitch, source + static_cast<size_t>(row) * sourcePitch, width);
    SDL_UnlockSurface(surface);
    return 1;
}
