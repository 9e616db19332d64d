#include "display/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdarg>
#include <string>

#include "display/display.h"
#include "display/font_file.h"

FILE* ErrorLogFile = nullptr;

namespace {

// Status text, the pause banner's two lines, the touch controls' labels: every size the program
// draws, each opened once.
constexpr int MaxFontSizes = 4;

struct SizedFont {
    int size = 0;
    TTF_Font* font = nullptr;
};

SizedFont fonts[MaxFontSizes];
bool ttfStarted = false;
std::filesystem::path fontFile;
std::string fontError;

// The font file, looked up once: installed beside the game's data or in the system's fonts.
bool FindFont() {
    if (!fontFile.empty()) return true;
    const std::vector<std::filesystem::path> folders = FontFolders();
    fontFile = FindFontFile(folders);
    if (!fontFile.empty()) return true;
    fontError = "cannot find the font \"";
    fontError += FontFileName;
    fontError += "\" in";
    for (const auto& folder : folders) {
        fontError += ' ';
        fontError += folder.string();
    }
    fontError += " (Debian package fonts-dejavu-core)";
    return false;
}

TTF_Font* FontOfSize(int size) {
    if (!ttfStarted) {
        if (TTF_Init() != 0) {
            fontError = std::string("cannot start the font renderer: ") + TTF_GetError();
            return nullptr;
        }
        ttfStarted = true;
    }
    if (!FindFont()) return nullptr;
    for (SizedFont& sized : fonts) {
        if (sized.size == size) return sized.font;
        if (sized.size != 0) continue;
        // SDL takes UTF-8 file names everywhere; a Windows path's own characters are wide ones.
        const std::u8string name = fontFile.u8string();
        sized.font = TTF_OpenFont(reinterpret_cast<const char*>(name.c_str()), size);
        if (!sized.font) {
            fontError = "cannot read the font file " + fontFile.string() + ": " + TTF_GetError();
            return nullptr;
        }
        sized.size = size;
        return sized.font;
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

// Solid rendering gives an 8-bit surface: index 0 background (its colour key), index 1 glyphs.
// With the target's palette and key 0, the glyphs can be painted any index and blitted as they are.
SDL_Surface* RenderGlyphs(TTF_Font* font, const char* text, SDL_Surface* surface) {
    SDL_Surface* glyphs = TTF_RenderText_Solid(font, text, SDL_Color{255, 255, 255, 255});
    if (glyphs && (SDL_SetSurfacePalette(glyphs, surface->format->palette) != 0 ||
                   SDL_SetColorKey(glyphs, SDL_TRUE, 0) != 0)) {
        SDL_FreeSurface(glyphs);
        return nullptr;
    }
    return glyphs;
}

bool PaintGlyphs(SDL_Surface* glyphs, uint8_t index) {
    if (SDL_LockSurface(glyphs) != 0) return false;
    auto* pixels = static_cast<uint8_t*>(glyphs->pixels);
    for (int row = 0; row < glyphs->h; ++row)
        for (int col = 0; col < glyphs->w; ++col)
            if (pixels[row * glyphs->pitch + col]) pixels[row * glyphs->pitch + col] = index;
    SDL_UnlockSurface(glyphs);
    return true;
}

int BlitGlyphs(SDL_Surface* glyphs, int x, int y, SDL_Surface* surface) {
    const RECT whole{0, 0, glyphs->w, glyphs->h};
    const RECT at{x, y, x + glyphs->w, y + glyphs->h};
    return BlitKeyed(glyphs, whole, surface, at);
}

}  // namespace

int DrawTextGdi(const char* text, int x, int y, COLORREF colour, SDL_Surface* surface) {
    if (!text || !surface || !surface->format->palette) return 0;
    if (!*text) return 1;
    TTF_Font* font = FontOfSize(StatusTextSize);
    SDL_Surface* glyphs = font ? RenderGlyphs(font, text, surface) : nullptr;
    if (!glyphs) return 0;
    const int result = PaintGlyphs(glyphs, NearestIndex(surface->format->palette, colour)) &&
                       BlitGlyphs(glyphs, x, y, surface);
    SDL_FreeSurface(glyphs);
    return result;
}

int OpenTextFont() { return FontOfSize(StatusTextSize) ? 1 : 0; }

const char* TextFontError() { return fontError.c_str(); }

int DrawOutlinedText(const char* text, int x, int y, COLORREF colour, int pointSize, SDL_Surface* surface) {
    if (!text || !surface || !surface->format->palette) return 0;
    if (!*text) return 1;
    TTF_Font* font = FontOfSize(pointSize);
    SDL_Surface* glyphs = font ? RenderGlyphs(font, text, surface) : nullptr;
    if (!glyphs) return 0;
    const SDL_Palette* palette = surface->format->palette;
    // The ring is the glyphs themselves in the dark entry, one pixel off in each of the eight
    // directions: exactly one pixel wide everywhere. (SDL_ttf's own outline, rendered solid,
    // leaves gaps where its stroked shapes and the plain ones are hinted differently.)
    int result = PaintGlyphs(glyphs, DarkestIndex(palette));
    for (int dy = -1; dy <= 1 && result; ++dy)
        for (int dx = -1; dx <= 1 && result; ++dx)
            if (dx || dy) result = BlitGlyphs(glyphs, x + dx, y + dy, surface);
    result = result && PaintGlyphs(glyphs, NearestIndex(palette, colour)) && BlitGlyphs(glyphs, x, y, surface);
    SDL_FreeSurface(glyphs);
    return result;
}

SDL_Surface* RenderLabel(const char* text) {
    TTF_Font* font = text && *text ? FontOfSize(LabelTextSize) : nullptr;
    return font ? TTF_RenderUTF8_Blended(font, text, SDL_Color{255, 255, 255, 255}) : nullptr;
}

int OutlinedTextWidth(const char* text, int pointSize) {
    TTF_Font* font = text ? FontOfSize(pointSize) : nullptr;
    int width = 0;
    if (!font || TTF_SizeText(font, text, &width, nullptr) != 0) return 0;
    return width + 2;
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
    for (SizedFont& sized : fonts) {
        if (sized.font) TTF_CloseFont(sized.font);
        sized = SizedFont{};
    }
    fontFile.clear();
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
