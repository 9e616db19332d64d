#pragma once
// Text on a display surface, and the error log that nothing opens.
#include <cstdint>
#include <cstdio>

struct SDL_Surface;
struct SDL_Palette;

using COLORREF = uint32_t;  // 0x00BBGGRR

// Draws text with its top-left corner at (x, y) in the palette entry nearest to the colour,
// background transparent. 1 drawn, 0 when the surface is missing or the font cannot be had.
int DrawTextGdi(const char* text, int x, int y, COLORREF colour, SDL_Surface* surface);
// Opens the font now (drawing opens it on first use otherwise), so the game can refuse to start
// without it. 1 ready; 0 with TextFontError naming the file and where it was looked for.
int OpenTextFont();
const char* TextFontError();

// Like DrawTextGdi, at the given point size, with every glyph ringed by one pixel of the palette's
// darkest entry other than the key, so that it reads on any picture behind it. The glyphs lie
// where DrawTextGdi puts them; the ring reaches one pixel further on every side.
int DrawOutlinedText(const char* text, int x, int y, COLORREF colour, int pointSize, SDL_Surface* surface);
// Width in pixels of text at that size, ring included (0 when the font cannot be had).
int OutlinedTextWidth(const char* text, int pointSize);
// The palette entry nearest to the colour, other than index 0, the colour key.
uint8_t NearestIndex(const SDL_Palette* palette, COLORREF colour);
// The darkest palette entry other than index 0, the colour key.
uint8_t DarkestIndex(const SDL_Palette* palette);

// The largest size at which "QUORAX BULLETS: 100" drawn at x 515 still ends inside 640 pixels.
constexpr int StatusTextSize = 10;

// The size the touch controls' labels are rendered at, then scaled to their buttons.
constexpr int LabelTextSize = 32;
// The text in white on a transparent 32-bit surface, smoothly edged, for a label drawn in the
// window beside the picture (nullptr when the font cannot be had). The caller frees it.
SDL_Surface* RenderLabel(const char* text);

// Releases the fonts (at exit).
void ShutdownText();

extern FILE* ErrorLogFile;
int WriteErrorLog(const char* format, ...);
