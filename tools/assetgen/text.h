#pragma once
// Text for the pictures and the contact sheet, rendered with SDL_ttf from the DejaVu
// fonts and painted in palette colours.
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

enum class Face { Mono, Sans, Serif };

// Glyph coverage of `text`: 1 where a glyph covers at least half a pixel, else 0.
// Throws std::runtime_error when the font cannot be opened.
Canvas TextMask(Face face, int pointSize, const std::string& text);

struct TextStyle {
    Face face = Face::Sans;
    int size = 16;
    std::vector<uint8_t> fill;  // colours from the glyphs' top to their bottom
    uint8_t outline = 0;        // 0: none
    uint8_t shadow = 0;         // 0: none
    int shadowOffset = 2;
};

// Paints text with its top-left at (x, y); returns its width.
int DrawText(Canvas& dst, int x, int y, const std::string& text, const TextStyle& style);
// Paints text centred on column cx; returns its width.
int DrawTextCentred(Canvas& dst, int cx, int y, const std::string& text, const TextStyle& style);
