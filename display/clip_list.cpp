// Clip lists: a surface's list lives in its userdata, and every fill or blit into the surface
// is done once per rectangle of the list with SDL's clip rectangle set to it.
#include <SDL.h>

#include <algorithm>
#include <cstdint>

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

// SDL scales no keyed 8-bit blits, so a frame fitted into a rectangle of another size is
// copied here, nearest pixel, inside the surface's current clip rectangle.
bool BlitFitted(SDL_Surface* src, const SDL_Rect& from, SDL_Surface* dst, const SDL_Rect& to) {
    if (src->format->BytesPerPixel != 1 || dst->format->BytesPerPixel != 1) return false;
    Uint32 key = 0;
    const bool keyed = SDL_GetColorKey(src, &key) == 0;
    SDL_Rect area;
    if (!SDL_IntersectRect(&to, &dst->clip_rect, &area)) return true;
    if (SDL_LockSurface(src) != 0) return false;
    if (SDL_LockSurface(dst) != 0) {
        SDL_UnlockSurface(src);
        return false;
    }
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
    SDL_UnlockSurface(dst);
    SDL_UnlockSurface(src);
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
    const Uint32 fill = static_cast<Uint32>(colour) & 0xFFFF;
    ForEachClipRect(surface, [&] { return SDL_FillRect(surface, rect ? &area : nullptr, fill) == 0; });
    return 1;
}

int BlitKeyed(SDL_Surface* src, const RECT& source, SDL_Surface* dst, const RECT& destination) {
    if (!src || !dst) return 0;
    const SDL_Rect from = ToSdlRect(source);
    const SDL_Rect to = ToSdlRect(destination);
    if (from.w == 0 || from.h == 0 || to.w == 0 || to.h == 0) return 1;
    const bool sameSize = from.w == to.w && from.h == to.h;
    return ForEachClipRect(dst, [&] {
               if (!sameSize) return BlitFitted(src, from, dst, to);
               SDL_Rect sourceRect = from;  // SDL narrows both rectangles to what it drew
               SDL_Rect targetRect = to;
               return SDL_BlitSurface(src, &sourceRect, dst, &targetRect) == 0;
           })
               ? 1
               : 0;
}
