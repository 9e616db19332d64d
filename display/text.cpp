#include "display/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdarg>

#include "display/display.h"

FILE* ErrorLogFile = nullptr;

namespace {

// Status text, the pause banner's two lines: every size the program draws, each opened once.
constexpr int MaxFontSizes = 4;

struct SizedFont {
    int size = 0;
    TTF_Font* plain = nullptr;
    TTF_Font* ringed = nullptr;  // the same face with SDL_ttf's one-pixel outline
};

SizedFont fonts[MaxFontSizes];
bool ttfStarted = false;

SizedFont* FontOfSize(int size) {
    if (!ttfStarted) {
        if (TTF_Init() != 0) return nullptr;
        ttfStarted = true;
    }
    for (SizedFont& font : fonts) {
        if (font.size == size) return &font;
        if (font.size != 0) continue;
        font.plain = TTF_OpenFont(QUORAX_FONT, size);
        font.ringed = TTF_OpenFont(QUORAX_FONT, size);
        if (!font.plain || !font.ringed) {
            if (font.plain) TTF_CloseFont(font.plain);
            if (font.ringed) TTF_CloseFont(font.ringed);
            font = SizedFont{};
            return nullptr;
        }
        // A font of its own keeps the outline setting: switching one font back and forth
        // would empty its glyph cache at every line of text.
        TTF_SetFontOutline(font.ringed, 1);
        font.size = size;
        return &font;
    }
    return nullptr;
}

}  // namespace

// Index 0 is the colour key: text drawn in it would vanish, so the search starts at 1.
uint8_t NearestIndex(const SDL_Palette* palette, COLORREF colour) {
    const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    int best = 1;
    long bestDistance = -1;
    for (int i = 1; i < palette->ncolors && i < 256; ++i) {
        const SDL_Color& c = palette->colors[i];
        const long dr = c.r - red, dg = c.g - green, db = c.b - blue;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<uint8_t>(best);
}

namespace {

// Renders text in `font` and blits its lit pixels in palette entry `index` with the top-left
// corner at (x, y).
int DrawGlyphs(TTF_Font* font, const char* text, int x, int y, uint8_t index, SDL_Surface* surface) {
    // Solid rendering gives an 8-bit surface: index 0 background (its colour key), index 1 glyphs.
    SDL_Surface* glyphs = TTF_RenderText_Solid(font, text, SDL_Color{255, 255, 255, 255});
    if (!glyphs) return 0;
    int result = 0;
    if (SDL_LockSurface(glyphs) == 0) {
        auto* pixels = static_cast<uint8_t*>(glyphs->pixels);
        for (int row = 0; row < glyphs->h; ++row)
            for (int col = 0; col < glyphs->w; ++col)
                if (pixels[row * glyphs->pitch + col]) pixels[row * glyphs->pitch + col] = index;
        SDL_UnlockSurface(glyphs);
        // With the target's palette the chosen index is copied as it is.
        if (SDL_SetSurfacePalette(glyphs, surface->format->palette) == 0 &&
            SDL_SetColorKey(glyphs, SDL_TRUE, 0) == 0) {
            const RECT whole{0, 0, glyphs->w, glyphs->h};
            const RECT at{x, y, x + glyphs->w, y + glyphs->h};
            result = BlitKeyed(glyphs, whole, surface, at);
        }
    }
    SDL_FreeSurface(glyphs);
    return result;
}

}  // namespace

int DrawTextGdi(const char* text, int x, int y, COLORREF colour, SDL_Surface* surface) {
    if (!text || !surface || !surface->format->palette) return 0;
    if (!*text) return 1;
    const SizedFont* font = FontOfSize(StatusTextSize);
    if (!font) return 0;
    return DrawGlyphs(font->plain, text, x, y, NearestIndex(surface->format->palette, colour), surface);
}

int DrawOutlinedText(const char* text, int x, int y, COLORREF colour, int pointSize, SDL_Surface* surface) {
    if (!text || !surface || !surface->format->palette) return 0;
    if (!*text) return 1;
    const SizedFont* font = FontOfSize(pointSize);
    if (!font) return 0;
    const SDL_Palette* palette = surface->format->palette;
    // The ring's picture is the glyphs grown by one pixel each way: it starts one pixel up and left.
    return DrawGlyphs(font->ringed, text, x - 1, y - 1, DarkestIndex(palette), surface) &&
           DrawGlyphs(font->plain, text, x, y, NearestIndex(palette, colour), surface);
}

int OutlinedTextWidth(const char* text, int pointSize) {
    const SizedFont* font = text ? FontOfSize(pointSize) : nullptr;
    int width = 0;
    if (!font || TTF_SizeText(font->ringed, text, &width, nullptr) != 0) return 0;
    return width;
}

uint8_t DarkestIndex(const SDL_Palette* palette) {
    int best = 1;
    long bestLight = -1;
    for (int i = 1; i < palette->ncolors && i < 256; ++i) {
        const SDL_Color& c = palette->colors[i];
        // Perceived lightness: green counts most, blue least.
        const long light = 299L * c.r + 587L * c.g + 114L * c.b;
        if (bestLight < 0 || light < bestLight) {
            best = i;
            bestLight = light;
        }
    }
    return static_cast<uint8_t>(best);
}

void ShutdownText() {
    for (SizedFont& font : fonts) {
        if (font.plain) TTF_CloseFont(font.plain);
        if (font.ringed) TTF_CloseFont(font.ringed);
        font = SizedFont{};
    }
    if (ttfStarted) TTF_Quit();
    ttfStarted = false;
}

int WriteErrorLog(const char* format, ...) {
    if (!format || !ErrorLogFile) return 0;
    char buffer[80];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::fputs(buffer, ErrorLogFile);
    std::fflush(ErrorLogFile);
    return 1;
}
