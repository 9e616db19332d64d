#include "display/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdarg>
#include <string>

#include "display/display.h"
#include "display/font_file.h"

FILE* ErrorLogFile = nullptr;

namespace {

// The largest size at which "QUORAX BULLETS: 100" drawn at x 515 still ends inside 640 pixels.
constexpr int FontSize = 10;

TTF_Font* font = nullptr;
bool ttfStarted = false;
std::string fontError;

TTF_Font* Font() {
    if (font) return font;
    if (!ttfStarted) {
        if (TTF_Init() != 0) {
            fontError = std::string("cannot start the font renderer: ") + TTF_GetError();
            return nullptr;
        }
        ttfStarted = true;
    }
    const std::vector<std::filesystem::path> folders = FontFolders();
    const std::filesystem::path file = FindFontFile(folders);
    if (file.empty()) {
        fontError = "cannot find the font \"";
        fontError += FontFileName;
        fontError += "\" in";
        for (const auto& folder : folders) {
            fontError += ' ';
            fontError += folder.string();
        }
        fontError += " (Debian package fonts-dejavu-core)";
        return nullptr;
    }
    font = TTF_OpenFont(file.c_str(), FontSize);
    if (!font) fontError = "cannot read the font file " + file.string() + ": " + TTF_GetError();
    return font;
}

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

}  // namespace

int DrawTextGdi(const char* text, int x, int y, COLORREF colour, SDL_Surface* surface) {
    if (!text || !surface || !surface->format->palette) return 0;
    if (!*text) return 1;
    TTF_Font* textFont = Font();
    if (!textFont) return 0;
    // Solid rendering gives an 8-bit surface: index 0 background (its colour key), index 1 glyphs.
    SDL_Surface* glyphs = TTF_RenderText_Solid(textFont, text, SDL_Color{255, 255, 255, 255});
    if (!glyphs) return 0;
    const uint8_t index = NearestIndex(surface->format->palette, colour);
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

int OpenTextFont() { return Font() ? 1 : 0; }

const char* TextFontError() { return fontError.c_str(); }

void ShutdownText() {
    if (font) TTF_CloseFont(font);
    font = nullptr;
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
