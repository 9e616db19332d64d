#pragma once
// Painting helpers for the lands' backdrops. A backdrop repeats side by side as it scrolls, so
// everything here wraps at the backdrop's width: the right edge runs on into the left one.
#include <cstdint>
#include <vector>

#include "canvas.h"

constexpr int BackdropW = 1280;  // a multiple of 4, so the 4x4 dither also repeats
constexpr int BackdropH = 448;   // the rows above the status line

// Calls paint(dx) for dx = 0, -BackdropW and +BackdropW, so a shape placed near one edge is
// continued across the seam at the other (the canvas clips what falls outside).
template <class Paint>
void AcrossSeam(Paint paint)
{
    paint(0);
    paint(-BackdropW);
    paint(BackdropW);
}

// Smooth 1-D value noise in [0, 1) that repeats every BackdropW pixels; `cells` lattice cells
// across the width (a divisor of BackdropW).
float WrapNoise(int x, int cells, uint32_t seed);

// The ridge of a range at column x: between baseY - height (highest) and baseY, three octaves
// of WrapNoise starting from `cells` cells across the width.
int RidgeTop(int x, int baseY, int height, int cells, uint32_t seed);

// A range along RidgeTop filled to the bottom of the canvas; `rim` (if non-zero) lights two
// pixels of the slopes that face the upper left.
void Range(Canvas& c, int baseY, int height, int cells, uint8_t fill, uint8_t rim, uint32_t seed);

// The next lighter shade of the same ramp (or the nearest lighter shared colour); the lightest
// shade stays as it is.
uint8_t Lighter(uint8_t index);

// Lightens pixel (x, y) by one shade where `amount` (0..1) beats the 4x4 dither threshold: a
// dithered veil of light (beams, haze, glow) over whatever is painted there.
void LightenDithered(Canvas& c, int x, int y, float amount);

// Sets pixel (x, y) to `colour` where `amount` (0..1) beats the dither threshold: soft-edged
// cloud banks, smoke and spray.
void CoverDithered(Canvas& c, int x, int y, float amount, uint8_t colour);

// A soft-edged puff (an ellipse whose cover falls off toward its edge) of one colour.
void Puff(Canvas& c, int cx, int cy, int rx, int ry, uint8_t colour);
