#pragma once
// The display device: an 8-bit 640x480 back buffer that every screen draws into, one palette
// shared by every 8-bit surface of the program, clip lists, colour fill and presenting the
// finished frame in a window.
#include <cstdint>

struct SDL_Surface;
struct SDL_Palette;
struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

struct PALETTEENTRY {
    uint8_t peRed;
    uint8_t peGreen;
    uint8_t peBlue;
    uint8_t peFlags;
};

// A rectangle: left and top inclusive, right and bottom exclusive.
struct RECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

constexpr int MaxClipRects = 16;

// A clip list: blits and fills into the surface it is attached to reach only the union of its rectangles.
struct ClipList {
    int count = 0;
    RECT rects[MaxClipRects] = {};
    RECT bound = {};
};

struct DisplayState {
    int screenWidth = 640;
    int screenHeight = 480;
    int screenBpp = 8;
    int windowed = 0;
    int pixelFormatBits = 16;
    SDL_Surface* backSurface = nullptr;      // INDEX8, screenWidth x screenHeight; all drawing goes here
    SDL_Palette* displayPalette = nullptr;   // shared by the back buffer and every 8-bit surface
    PALETTEENTRY paletteEntries[256] = {};
    ClipList* backClipper = nullptr;
    int (*packRgb16)(int red, int green, int blue) = nullptr;
    // Presentation: present only when a window has been attached.
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;          // the picture, 32-bit, sampled nearest
    uint32_t colourTable[256] = {};          // the palette as the texture's colours, kept in step with it
    SDL_Texture* scaledTexture = nullptr;    // the picture enlarged by a whole factor, sampled linearly
    int scaledFactor = 0;
    double refreshMs = 0;                    // the measured refresh that presents wait for; 0: no vsync
};

extern DisplayState TheDisplay;

// Hands the window that FlipDisplay presents into; without one, FlipDisplay only finishes the frame.
// Presents wait for the display's refresh where it really offers vsync; the refresh is measured
// then (refreshMs). 1 ready, 0 when the window gives no renderer (SDL_GetError tells why).
int AttachDisplayWindow(SDL_Window* window);
// Presents no longer wait for the refresh (refreshMs 0): for a refresh too fast or too slow to pace by.
void StopWaitingForRefresh();
// Shows the last presented picture again: with vsync, how a pass without a new frame waits for
// the next refresh.
int PresentAgain();
// Draws the picture texture sharply into the renderer's whole output, letterboxed (see
// present_layout.h); *scaled holds the enlarged copy between calls and is remade when the
// output's size asks for another factor. 0 when drawing failed.
int DrawPictureSharp(SDL_Renderer* renderer, SDL_Texture* picture, SDL_Texture** scaled, int* scaledFactor);
// Test seam: called after every present, with true for a new picture and false for the last one
// again (nullptr: none). A simulated display blocks in it until its next refresh.
using PresentHook = void (*)(bool newPicture);
void SetPresentHook(PresentHook hook);
void ToggleFullscreen();
// Shows or hides the mouse cursor over the window.
void ShowCursor(bool show);

int InitDisplay(int width, int height, int bpp, int windowed);
int ShutdownDisplay();
int FillSurface(SDL_Surface* surface, int colour, const RECT* rect);
int FlipDisplay();
ClipList* AttachClipper(SDL_Surface* surface, int count, const RECT* rects);
int LoadPaletteFile(const char* name, PALETTEENTRY entries[256]);
int SetDisplayPalette(const PALETTEENTRY entries[256]);
int PackRgb565(int red, int green, int blue);
int PackRgb555(int red, int green, int blue);

// Makes an INDEX8 surface that shares the display palette and skips index 0 when blitted,
// so that blits onto the back buffer copy palette indices unchanged. nullptr on failure.
SDL_Surface* CreatePaletteSurface(int width, int height);
// Stops a palette surface from skipping index 0, for pictures that hold none: their blits then
// copy whole rows. 0 on failure.
int SetSurfaceOpaque(SDL_Surface* surface);
// Blits src (its rectangle sx, sy, w, h) onto dst at (dx, dy), clipped to dst's clip list.
// When the destination is narrower or lower than the source the frame is fitted into it.
int BlitKeyed(SDL_Surface* src, const RECT& source, SDL_Surface* dst, const RECT& destination);
// Frees a surface together with the clip list attached to it.
void FreePaletteSurface(SDL_Surface* surface);
// Copies width x height bytes (rows sourcePitch bytes apart) into the top-left of an 8-bit surface.
// 0 when the surface is missing, too small or cannot be locked.
int CopyToSurface(SDL_Surface* surface, const uint8_t* source, int sourcePitch, int width, int height);
