#pragma once
// Painting helpers for the full-screen pictures: dithered skies, glows, stars, mountain
// and tree silhouettes, panels. They use the shared range only, so the pictures look the
// same under every segment's palette.
#include <cstdint>
#include <vector>

#include "canvas.h"

constexpr int PictureW = 640;
constexpr int PictureH = 480;
constexpr int VisibleH = 448;  // the game shows only the rows above this line

// Fills rows y0..y1-1 with a gradient through `stops`, ordered-dithered between them.
void SkyGradient(Canvas& c, int y0, int y1, const std::vector<uint8_t>& stops);
// A disc of radius r whose colour runs through `stops` from the centre outward, dithered;
// pixels beyond r are left alone.
void RadialGlow(Canvas& c, int cx, int cy, int r, const std::vector<uint8_t>& stops);
// Scatters stars above row yMax: mostly single pixels, some crosses.
void Stars(Canvas& c, int count, int yMax, uint32_t seed);
// A mountain range whose ridge wanders around baseY by up to `height` pixels, filled
// down to the bottom of the canvas; `light` (if non-zero) rims the ridge.
void Mountains(Canvas& c, int baseY, int height, int feature, uint8_t fill, uint8_t light, uint32_t seed);
// A palm tree silhouette rooted at (x, groundY).
void PalmTree(Canvas& c, int x, int groundY, int height, int lean, uint8_t colour);
// A panel that half-covers what lies under it (checker dither), with a two-tone border.
void Panel(Canvas& c, int x, int y, int w, int h, uint8_t fill, uint8_t border, uint8_t borderLight);
// Nearest-neighbour enlargement by an integer factor.
Canvas ScaledUp(const Canvas& src, int factor);
