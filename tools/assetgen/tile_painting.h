#pragma once
// Painting helpers shared by the five worlds' tiles. Everything wraps at 64 pixels, so a
// tile joins seamlessly with copies of itself on every side.
#include <cstdint>

#include "canvas.h"
#include "palette_design.h"

constexpr int TileSize = 64;

// Smooth periodic value noise in [0, 1): lattice spacing `cell` (a divisor of 64).
float Noise(int x, int y, int cell, uint32_t seed);
// Three octaves of Noise, still in [0, 1).
float Fbm(int x, int y, uint32_t seed);
// 4x4 ordered-dither threshold in [0, 1).
float Bayer(int x, int y);

// Fills a rectangle with shades of a tile ramp: base shade plus noise, dithered.
void ShadeFill(Canvas& c, int x, int y, int w, int h, int ramp, float base, float spread, uint32_t seed);
// Lights the top and left edges and darkens the bottom and right edges of a rectangle.
void Bevel(Canvas& c, int x, int y, int w, int h, uint8_t light, uint8_t dark);

// Masonry of courses `rowH` high and blocks `blockW` wide, every other course offset by
// half a block; each block shaded, bevelled and framed by mortar.
struct Masonry {
    int ramp;
    int blockW;
    int rowH;
    float base;
    uint8_t mortar;
    uint32_t seed;
};
void PaintMasonry(Canvas& c, const Masonry& m);

// Horizontal planks `plankH` high with grain, seams and nail heads.
void PaintPlanks(Canvas& c, int ramp, int plankH, uint32_t seed);

// Liquid with rolling wave crests and glints; shade 0 at the bottom of the swell.
void PaintLiquid(Canvas& c, int ramp, uint8_t glint, uint32_t seed);

// A crate: frame, cross brace and boards of a tile ramp.
void PaintCrate(Canvas& c, int ramp, uint8_t dark, uint32_t seed);

// A column across the whole tile height: lit on the left, shaded to the right.
void PaintColumn(Canvas& c, int x, int w, int ramp, int lightShade, int darkShade);

// A hanging strand from (x, 0) down `length` pixels, swaying, with leaves or beads every
// `every` pixels drawn by `bead` colour pairs.
void PaintStrand(Canvas& c, int x, int length, uint8_t stem, uint8_t bead, uint8_t beadLight, int every,
                 uint32_t seed);

// Scatters n small glints (a pixel, or a plus of `light` around `core`) over the tile.
void PaintGlints(Canvas& c, int n, uint8_t core, uint8_t light, uint32_t seed);
