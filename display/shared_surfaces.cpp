#include "display/shared_surfaces.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "display/display.h"

namespace {

// Each surface is filed under a hash of its cell's size and pixels; a match is then compared in
// full. A surface made opaque after it was shared no longer matches a keyed cell.
std::unordered_multimap<uint64_t, SDL_Surface*> Store;

uint64_t HashOf(const uint8_t* source, int sourcePitch, int cellWidth, int width, int height) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    const auto mix = [&hash](uint64_t value) { hash = (hash ^ value) * 1099511628211ull; };
    mix(uint64_t(cellWidth));
    mix(uint64_t(width));
    mix(uint64_t(height));
    for (int y = 0; y < height; ++y, source += sourcePitch) {
        int x = 0;
        for (uint64_t word; x + 8 <= cellWidth; x += 8) {  // a word at a time: start-up hashes every cell
            std::memcpy(&word, source + x, 8);
            mix(word);
        }
        for (; x < cellWidth; ++x) mix(source[x]);
    }
    return hash;
}

bool Holds(SDL_Surface* surface, const uint8_t* source, int sourcePitch, int cellWidth, int width, int height) {
    if (surface->w != width || surface->h != height || !SDL_HasColorKey(surface)) return false;
    for (int y = 0; y < height; ++y, source += sourcePitch) {
        const auto* row = static_cast<const uint8_t*>(surface->pixels) + int64_t{y} * surface->pitch;
        if (std::memcmp(row, source, cellWidth) != 0) return false;
        if (std::any_of(row + cellWidth, row + width, [](uint8_t pixel) { return pixel != 0; })) return false;
    }
    return true;
}

}  // namespace

SDL_Surface* ShareCellSurface(const uint8_t* source, int sourcePitch, int cellWidth, int width, int height) {
    if (!source || cellWidth < 0 || cellWidth > width || sourcePitch < cellWidth) return nullptr;
    const uint64_t hash = HashOf(source, sourcePitch, cellWidth, width, height);
    const auto [first, last] = Store.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (Holds(it->second, source, sourcePitch, cellWidth, width, height)) {
            ++it->second->refcount;  // SDL_FreeSurface frees only at the last reference
            return it->second;
        }
    }
    SDL_Surface* surface = CreatePaletteSurface(width, height);
    if (!CopyToSurface(surface, source, sourcePitch, cellWidth, height)) {
        FreePaletteSurface(surface);
        return nullptr;
    }
    Store.emplace(hash, surface);
    return surface;
}

void ReleaseSharedSurface(SDL_Surface* surface) {
    if (!surface) return;
    if (surface->refcount > 1) {
        SDL_FreeSurface(surface);
        return;
    }
    // Found by its address: a few hundred entries at most, and releases happen only when objects are remade.
    const auto held = std::find_if(Store.begin(), Store.end(), [surface](const auto& entry) { return entry.second == surface; });
    if (held != Store.end()) Store.erase(held);
    FreePaletteSurface(surface);
}

int SharedSurfaceCount() { return static_cast<int>(Store.size()); }
