#pragma once
// Text on a display surface, and the error log that nothing opens.
#include <cstdint>
#include <cstdio>

struct SDL_Surface;

using COLORREF = uint32_t;  // 0x00BBGGRR

// Draws text with its top-left corner at (x, y) in the palette entry nearest to the colour,
// background transparent. 1 drawn, 0 when the surface is missing or the font cannot be had.
int DrawTextGdi(const char* text, int x, int y, COLORREF colour, SDL_Surface* surface);
// Opens the font now (drawing opens it on first use otherwise), so the game can refuse to start
// without it. 1 ready; 0 with TextFontError naming the file and where it was looked for.
int OpenTextFont();
const char* TextFontError();
// Releases the font (at exit).
void ShutdownText();

extern FILE* ErrorLogFile;
int WriteErrorLog(const char* format, ...);
