#pragma once
// The sprite record behind every picture on the screen: position, frames cut from bitmap
// cells, animation lists and the counters that step them.
#include <cstdint>

struct SDL_Surface;
struct BitmapFile;

constexpr int MaxBlitterFrames = 64;
constexpr int MaxBlitterAnims = 16;

constexpr int AttrSingleFrame = 0x1;
constexpr int AttrMultiFrame = 0x2;
constexpr int AttrMultiAnim = 0x4;
constexpr int AttrAnimOnce = 0x8;
constexpr int AttrVisible = 0x10;
constexpr int AttrLoaded = 0x80;

struct BlitterObject {
    int status = 0;
    int animDone = 0;
    int attributes = 0;
    float posX = 0;
    float posY = 0;
    float velX = 0;
    float velY = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    int extraWidth = 0;
    int bitsPerPixel = 0;
    int counters[4] = {};
    int intVars[16] = {};
    float floatVars[16] = {};
    int currentFrame = 0;
    int frameCount = 0;
    int currentAnim = 0;
    int animTicks = 0;
    int animStep = 0;
    int animTicksMax = 0;
    int* animLists[MaxBlitterAnims] = {};
    SDL_Surface* frames[MaxBlitterFrames] = {};
};

int CreateBlitterObject(BlitterObject* object, int x, int y, int width, int height, int frameCount,
                        int attributes, int memoryFlags, int colourKey, int bitsPerPixel);
int DestroyBlitterObject(BlitterObject* object);
int LoadBlitterFrame(BlitterObject* object, const BitmapFile* bitmap, int frame, int cx, int cy, int mode);
int LoadBlitterAnimation(BlitterObject* object, int anim, int count, const int* frames);
int SetBlitterPosition(BlitterObject* object, int x, int y);
int SetBlitterAnimSpeed(BlitterObject* object, int ticks);
int SetBlitterAnimation(BlitterObject* object, int anim);
int SetBlitterVelocity(BlitterObject* object, int vx, int vy);

int AnimateBlitterObject(BlitterObject* object);
int DrawBlitterObject(BlitterObject* object, SDL_Surface* target);
