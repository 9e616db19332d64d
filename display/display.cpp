#include "display/display.h"

#include <SDL.h>

#include "display/colour_table.h"
#include "display/text.h"
#include "display/touch_controls.h"

DisplayState TheDisplay;

namespace {

void ApplyPalette() {
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY& entry = TheDisplay.paletteEntries[i];
        colours[i] = SDL_Color{entry.peRed, entry.peGreen, entry.peBlue, 255};
    }
    SDL_SetPaletteColors(TheDisplay.displayPalette, colours, 0, 256);
    MakeColourTable(TheDisplay.paletteEntries, TheDisplay.colourTable);
}

}  // namespace

int InitDisplay(int width, int height, int bpp, int windowed) {
    // Only the 8-bit indexed display exists here; a second call would leak the first buffers.
    if (bpp != 8 || width <= 0 || height <= 0 || TheDisplay.backSurface) return 0;
    TheDisplay.screenWidth = width;
    TheDisplay.screenHeight = height;
    TheDisplay.screenBpp = bpp;
    TheDisplay.windowed = windowed;

    TheDisplay.pixelFormatBits = bpp;
    WriteErrorLog("\npixel format = %d", TheDisplay.pixelFormatBits);
    if (TheDisplay.pixelFormatBits == 15) {
        TheDisplay.packRgb16 = PackRgb555;
        WriteErrorLog("\npixel format = 5.5.5");
    } else {
        TheDisplay.packRgb16 = PackRgb565;
        WriteErrorLog("\npixel format = 5.6.5");
    }

    // One palette object for every 8-bit surface: blits then copy indices unchanged.
    TheDisplay.displayPalette = SDL_AllocPalette(256);
    if (!TheDisplay.displayPalette) return 0;
    TheDisplay.backSurface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
    if (!TheDisplay.backSurface) return 0;
    SDL_SetSurfacePalette(TheDisplay.backSurface, TheDisplay.displayPalette);

    for (PALETTEENTRY& entry : TheDisplay.paletteEntries) entry = PALETTEENTRY{};
    LoadPaletteFile("PALDATA2.PAL", TheDisplay.paletteEntries);
    ApplyPalette();

    FillSurface(TheDisplay.backSurface, 0, nullptr);
    const RECT screen{0, 0, width, height};
    TheDisplay.backClipper = AttachClipper(TheDisplay.backSurface, 1, &screen);
    return 1;
}

int ShutdownDisplay() {
    ReleaseTouchDrawing();
    SDL_DestroyTexture(TheDisplay.scaledTexture);
    SDL_DestroyTexture(TheDisplay.texture);
    SDL_DestroyRenderer(TheDisplay.renderer);
    FreePaletteSurface(TheDisplay.backSurface);
    SDL_FreePalette(TheDisplay.displayPalette);
    TheDisplay.texture = nullptr;
    TheDisplay.scaledTexture = nullptr;
    TheDisplay.scaledFactor = 0;
    TheDisplay.refreshMs = 0;
    TheDisplay.renderer = nullptr;
    TheDisplay.window = nullptr;
    TheDisplay.backSurface = nullptr;
    TheDisplay.backClipper = nullptr;
    TheDisplay.displayPalette = nullptr;
    return 1;
}

int SetDisplayPalette(const PALETTEENTRY entries[256]) {
    if (!entries) return 0;
    for (int i = 0; i < 256; ++i) TheDisplay.paletteEntries[i] = entries[i];
    // Changed in place: every surface that shares the palette sees the new colours.
    if (TheDisplay.displayPalette) ApplyPalette();
    return 1;
}
