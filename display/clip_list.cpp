// Clip lists: a surface's list lives in its userdata, and every fill or blit into the surface
// is done once per rectangle of the list with SDL's clip rectangle set to it.
#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "display/display.h"

namespace {

ClipList* ClipListOf(SDL_Surface* surface) { return static_cast<ClipList*>(surface->userdata); }

// Coordinates are held within +-2^29 so that SDL's own sums of position and size cannot overflow;
// nothing on a 640x480 screen comes near that.
int32_t Tame(int32_t value) { return std::clamp(value, -(1 << 29), 1 << 29); }

SDL_Rect ToSdlRect(const RECT& rect) {
    const int32_t left = Tame(rect.left);
    const int32_t top = Tame(rect.top);
    return SDL_Rect{left, top, std::max(0, Tame(rect.right) - left), std::max(0, Tame(rect.bottom) - top)};
}

// Calls draw once per clip rectangle of the surface (or once for the whole surface without a
// list); false when any call failed.
template <typename Draw>
bool ForEachClipRect(SDL_Surface* surface, Draw draw) {
    const ClipList* list = ClipListOf(surface);
    bool ok = true;
    if (!list) {
        SDL_SetClipRect(surface, nullptr);
        ok = draw();
    } else {
        for (int i = 0; i < list->count; ++i) {
            const SDL_Rect clip = ToSdlRect(list->rects[i]);
            if (SDL_SetClipRect(surface, &clip) == SDL_FALSE) continue;  // outside the surface
            ok = draw() && ok;
        }
    }
    SDL_SetClipRect(surface, nullptr);
    return ok;
}

// Both surfaces of a copy locked, or neither when one cannot be.
bool LockBoth(SDL_Surface* src, SDL_Surface* dst) {
    if (SDL_LockSurface(src) != 0) return false;
    if (SDL_LockSurface(dst) == 0) return true;
    SDL_UnlockSurface(src);
    return false;
}

void UnlockBoth(SDL_Surface* src, SDL_Surface* dst) {
    SDL_UnlockSurface(dst);
    SDL_UnlockSurface(src);
}

// SDL scales no keyed 8-bit blits, so a frame fitted into a rectangle of another size is
// copied here too, nearest pixel, inside the surface's current clip rectangle.
bool BlitFitted(SDL_Surface* src, const SDL_Rect& from, SDL_Surface* dst, const SDL_Rect& to) {
    if (src->format->BytesPerPixel != 1 || dst->format->BytesPerPixel != 1) return false;
    Uint32 key = 0;
    const bool keyed = SDL_GetColorKey(src, &key) == 0;
    SDL_Rect area;
    if (!SDL_IntersectRect(&to, &dst->clip_rect, &area)) return true;
    if (!LockBoth(src, dst)) return false;
    const auto* source = static_cast<const uint8_t*>(src->pixels);
    auto* target = static_cast<uint8_t*>(dst->pixels);
    for (int y = area.y; y < area.y + area.h; ++y) {
        const int64_t sy = from.y + int64_t{y - to.y} * from.h / to.h;
        if (sy < 0 || sy >= src->h) continue;
        for (int x = area.x; x < area.x + area.w; ++x) {
            const int64_t sx = from.x + int64_t{x - to.x} * from.w / to.w;
            if (sx < 0 || sx >= src->w) continue;
            const uint8_t pixel = source[sy * src->pitch + sx];
            if (!keyed || pixel != key) target[int64_t{y} * dst->pitch + x] = pixel;
        }
    }
    UnlockBoth(src, dst);
    return true;
}

// One row of a keyed copy: pixels equal to the key are skipped. Eight at a time, each byte of
// `keep` all ones where the source pixel is not the key.
void CopyRowKeyed(const uint8_t* source, uint8_t* target, int width, uint8_t key) {
    constexpr uint64_t Low7 = 0x7F7F7F7F7F7F7F7Full;
    const uint64_t keys = 0x0101010101010101ull * key;
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        uint64_t from, to;
        std::memcpy(&from, source + x, 8);
        std::memcpy(&to, target + x, 8);
        const uint64_t differs = from ^ keys;                                  // 0 in the key's bytes
        const uint64_t high = (((differs & Low7) + Low7) | differs) & ~Low7;  // top bit of the others
        const uint64_t keep = (high >> 7) * 0xFF;
        to = (from & keep) | (to & ~keep);
        std::memcpy(target + x, &to, 8);
    }
    for (; x < width; ++x) {
        if (source[x] != key) target[x] = source[x];
    }
}

// A frame copied at its own size, as SDL would blit it: the source rectangle cut to the source
// surface, the target to the surface's current clip rectangle. SDL's own 8-bit keyed blit goes
// a pixel at a time; the tiles, sprites and text of every frame come through here.
bool BlitSameSize(SDL_Surface* src, const SDL_Rect& from, SDL_Surface* dst, const SDL_Rect& to) {
    if (src->format->BytesPerPixel != 1 || dst->format->BytesPerPixel != 1) return false;
    // The part of the source rectangle that lies on the source, and where it lands.
    int sx = from.x, sy = from.y, dx = to.x, dy = to.y;
    int width = from.w, height = from.h;
    if (sx < 0) width += sx, dx -= sx, sx = 0;
    if (sy < 0) height += sy, dy -= sy, sy = 0;
    width = std::min(width, src->w - sx);
    height = std::min(height, src->h - sy);
    const SDL_Rect landing{dx, dy, width, height};
    SDL_Rect area;
    if (width <= 0 || height <= 0 || !SDL_IntersectRect(&landing, &dst->clip_rect, &area)) return true;
    sx += area.x - dx;
    sy += area.y - dy;
    Uint32 key = 0;
    const bool keyed = SDL_GetColorKey(src, &key) == 0;
    if (!LockBoth(src, dst)) return false;
    const auto* source = static_cast<const uint8_t*>(src->pixels) + int64_t{sy} * src->pitch + sx;
    auto* target = static_cast<uint8_t*>(dst->pixels) + int64_t{area.y} * dst->pitch + area.x;
    for (int y = 0; y < area.h; ++y, source += src->pitch, target += dst->pitch) {
        if (keyed) {
            CopyRowKeyed(source, target, area.w, static_cast<uint8_t>(key));
        } else {
            std::memcpy(target, source, area.w);
        }
    }
    UnlockBoth(src, dst);
    return true;
}

// SDL fills 8-bit surfaces with stores that bypass the cache, many times slower than memset on a
// frame that is drawn over at once; a palette surface (the only kind drawn into here) is filled
// row by row, inside its current clip rectangle.
bool FillBytes(SDL_Surface* surface, const SDL_Rect* rect, uint8_t colour) {
    if (surface->format->BytesPerPixel != 1) return false;
    SDL_Rect area = surface->clip_rect;
    if (rect && !SDL_IntersectRect(rect, &surface->clip_rect, &area)) return true;
    if (area.w <= 0 || area.h <= 0) return true;
    if (SDL_LockSurface(surface) != 0) return false;
    const int pitch = surface->pitch;
    auto* row = static_cast<uint8_t*>(surface->pixels) + int64_t{area.y} * pitch + area.x;
    if (area.w == pitch) {
        std::memset(row, colour, size_t(pitch) * area.h);  // whole rows: one run
    } else {
        for (int y = 0; y < area.h; ++y, row += pitch) std::memset(row, colour, area.w);
    }
    SDL_UnlockSurface(surface);
    return true;
}

}  // namespace

ClipList* AttachClipper(SDL_Surface* surface, int count, const RECT* rects) {
    if (!surface || !rects || count < 1 || count > MaxClipRects) return nullptr;
    // A second list on the same surface replaces the first in place, so the pointer the
    // caller kept from the first stays valid.
    ClipList* list = ClipListOf(surface);
    if (!list) {
        list = new ClipList;
        surface->userdata = list;
    }
    list->count = count;
    list->bound = RECT{64000, 64000, -64000, -64000};
    for (int i = 0; i < count; ++i) {
        list->rects[i] = rects[i];
        list->bound.left = std::min(list->bound.left, rects[i].left);
        list->bound.top = std::min(list->bound.top, rects[i].top);
        list->bound.right = std::max(list->bound.right, rects[i].right);
        list->bound.bottom = std::max(list->bound.bottom, rects[i].bottom);
    }
    return list;
}

void FreePaletteSurface(SDL_Surface* surface) {
    if (!surface) return;
    delete ClipListOf(surface);
    surface->userdata = nullptr;
    SDL_FreeSurface(surface);
}

int FillSurface(SDL_Surface* surface, int colour, const RECT* rect) {
    if (!surface) return 0;
    const SDL_Rect area = rect ? ToSdlRect(*rect) : SDL_Rect{};
    ForEachClipRect(surface, [&] { return FillBytes(surface, rect ? &area : nullptr, static_cast<uint8_t>(colour)); });
    return 1;
}

int BlitKeyed(SDL_Surface* src, const RECT& source, SDL_Surface* dst, const RECT& destination) {
    if (!src || !dst) return 0;
    const SDL_Rect from = ToSdlRect(source);
    const SDL_Rect to = ToSdlRect(destination);
    if (from.w == 0 || from.h == 0 || to.w == 0 || to.h == 0) return 1;
    const bool sameSize = from.w == to.w && from.h == to.h;
    return ForEachClipRect(dst, [&] { return sameSize ? BlitSameSize(src, from, dst, to) : BlitFitted(src, from, dst, to); })
               ? 1
               : 0;
}
