#include "blitter/blitter_object.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <new>

#include "display/bitmap_file.h"
#include "display/display.h"
#include "display/shared_surfaces.h"

// The memory flags and the colour key are accepted for their callers' sake: every frame surface
// lives in system memory and keys palette index 0.
int CreateBlitterObject(BlitterObject* object, int x, int y, int width, int height, int frameCount,
                        int attributes, int /*memoryFlags*/, int /*colourKey*/, int bitsPerPixel) {
    if (!object || frameCount < 0 || frameCount > MaxBlitterFrames) return 0;
    // Creating again over a record that still holds frames (a tile-set switch) frees them first.
    DestroyBlitterObject(object);
    object->status = 1;
    object->attributes = attributes;
    object->animDone = 0;
    std::fill(std::begin(object->counters), std::end(object->counters), 0);
    object->currentFrame = 0;
    object->frameCount = frameCount;
    object->bitsPerPixel = bitsPerPixel;
    object->currentAnim = object->animTicks = object->animStep = object->animTicksMax = 0;
    object->posX = static_cast<float>(x);
    object->posY = static_cast<float>(y);
    object->velX = object->velY = 0;
    object->cellWidth = width;
    object->cellHeight = height;
    // A frame's surface is made when its cell is loaded, so slots never loaded cost nothing; one
    // surface of the frame size, made and dropped here, shows now that they can be made.
    if (frameCount > 0) {
        SDL_Surface* probe = CreatePaletteSurface(width + object->extraWidth, height);
        if (!probe) return 0;
        FreePaletteSurface(probe);
    }
    return 1;
}

int DestroyBlitterObject(BlitterObject* object) {
    if (!object) return 0;
    for (SDL_Surface*& frame : object->frames) {
        ReleaseSharedSurface(frame);
        frame = nullptr;
    }
    for (int*& list : object->animLists) {
        delete[] list;
        list = nullptr;
    }
    return 1;
}

int LoadBlitterFrame(BlitterObject* object, const BitmapFile* bitmap, int frame, int cx, int cy, int mode) {
    if (!object || !bitmap || !bitmap->pixels || bitmap->infoHeader.biBitCount != 8) return 0;
    if (frame < 0 || frame >= MaxBlitterFrames || frame >= object->frameCount) return 0;
    const int64_t width = object->cellWidth, height = object->cellHeight;
    // Cell mode: a grid of cells framed and separated by one-pixel lines.
    const int64_t x = mode == 0 ? cx * (width + 1) + 1 : cx;
    const int64_t y = mode == 0 ? cy * (height + 1) + 1 : cy;
    const int64_t bitmapWidth = bitmap->infoHeader.biWidth, bitmapHeight = bitmap->infoHeader.biHeight;
    // A cell that reaches outside the picture would read past its pixels.
    if (x < 0 || y < 0 || width < 0 || height < 0 || x + width > bitmapWidth || y + height > bitmapHeight) return 0;
    const uint8_t* source = bitmap->pixels + y * bitmapWidth + x;
    // Group members cut the same cells: identical frames keep one surface between them.
    SDL_Surface* surface = ShareCellSurface(source, static_cast<int>(bitmapWidth), static_cast<int>(width),
                                            static_cast<int>(width) + object->extraWidth, static_cast<int>(height));
    if (!surface) return 0;
    ReleaseSharedSurface(object->frames[frame]);
    object->frames[frame] = surface;
    object->attributes |= AttrLoaded;
    return 1;
}

int LoadBlitterAnimation(BlitterObject* object, int anim, int count, const int* frames) {
    if (!object || anim < 0 || anim >= MaxBlitterAnims || count < 0 || (count > 0 && !frames)) return 0;
    int* list = new (std::nothrow) int[static_cast<size_t>(count) + 1];
    if (!list) return 0;
    std::copy(frames, frames + count, list);
    list[count] = -1;
    delete[] object->animLists[anim];
    object->animLists[anim] = list;
    // A shorter list in the slot being played must not leave the step beyond its end.
    if (anim == object->currentAnim && object->animStep >= count) object->animStep = 0;
    return 1;
}

int SetBlitterPosition(BlitterObject* object, int x, int y) {
    if (!object) return 0;
    object->posX = static_cast<float>(x);
    object->posY = static_cast<float>(y);
    return 1;
}

int SetBlitterAnimSpeed(BlitterObject* object, int ticks) {
    if (!object) return 0;
    object->animTicksMax = ticks;
    return 1;
}

int SetBlitterAnimation(BlitterObject* object, int anim) {
    if (!object) return 0;
    object->currentAnim = anim;
    object->animStep = 0;
    return 1;
}

int SetBlitterVelocity(BlitterObject* object, int vx, int vy) {
    if (!object) return 0;
    object->velX = static_cast<float>(vx);
    object->velY = static_cast<float>(vy);
    return 1;
}
