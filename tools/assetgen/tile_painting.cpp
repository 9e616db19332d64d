#include "tile_painting.h"

#include <algorithm>
#include <cmath>

#include "rng.h"

namespace {

uint32_t Hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float Lattice(int x, int y, int period, uint32_t seed)
{
    const int px = ((x % period) + period) % period, py = ((y % period) + period) % period;
    return static_cast<float>(Hash(px, py, seed) >> 8) / 16777216.0f;
}

float Smooth(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float Noise(int x, int y, int cell, uint32_t seed)
{
    const int period = TileSize / cell;
    const int ix = x >= 0 ? x / cell : (x - cell + 1) / cell, iy = y >= 0 ? y / cell : (y - cell + 1) / cell;
    const float fx = Smooth(static_cast<float>(x - ix * cell) / cell);
    const float fy = Smooth(static_cast<float>(y - iy * cell) / cell);
    const float a = Lattice(ix, iy, period, seed), b = Lattice(ix + 1, iy, period, seed);
    const float c = Lattice(ix, iy + 1, period, seed), d = Lattice(ix + 1, iy + 1, period, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

float Fbm(int x, int y, uint32_t seed)
{
    return 0.5f * Noise(x, y, 16, seed) + 0.3f * Noise(x, y, 8, seed + 1) + 0.2f * Noise(x, y, 4, seed + 2);
}

float Bayer(int x, int y)
{
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (static_cast<float>(m[y & 3][x & 3]) + 0.5f) / 16.0f;
}

void ShadeFill(Canvas& c, int x, int y, int w, int h, int ramp, float base, float spread, uint32_t seed)
{
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx) {
            const float v = base + spread * (Fbm(xx, yy, seed) - 0.5f) + Bayer(xx, yy) - 0.5f;
            c.set(xx, yy, TileCol(ramp, static_cast<int>(std::lround(v))));
        }
}

void Bevel(Canvas& c, int x, int y, int w, int h, uint8_t light, uint8_t dark)
{
    c.fillRect(x, y, w, 1, light);
    c.fillRect(x, y, 1, h, light);
    c.fillRect(x, y + h - 1, w, 1, dark);
    c.fillRect(x + w - 1, y + 1, 1, h - 1, dark);
}

void PaintMasonry(Canvas& c, const Masonry& m)
{
    Rng rng(m.seed);
    for (int row = 0; row * m.rowH < TileSize; ++row) {
        const int y = row * m.rowH;
        const int offset = (row % 2) ? m.blockW / 2 : 0;
        for (int x = -offset; x < TileSize; x += m.blockW) {
            const float base = m.base + static_cast<float>(rng.below(3) - 1) * 0.6f;
            // Blocks cut by the tile edge continue on the neighbour: paint both halves.
            for (int wrap = 0; wrap <= (x < 0 ? 1 : 0); ++wrap) {
                const int bx = wrap ? x + TileSize : x;
                ShadeFill(c, bx, y, m.blockW, m.rowH, m.ramp, base, 2.5f, m.seed + static_cast<uint32_t>(row));
                Bevel(c, bx + 1, y + 1, m.blockW - 1, m.rowH - 1, TileCol(m.ramp, static_cast<int>(base) + 2),
                      TileCol(m.ramp, static_cast<int>(base) - 2));
                c.fillRect(bx, y, m.blockW, 1, m.mortar);
                c.fillRect(bx, y, 1, m.rowH, m.mortar);
            }
        }
    }
}

void PaintPlanks(Canvas& c, int ramp, int plankH, uint32_t seed)
{
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            // Grain: noise stretched along the plank.
            const float grain = Noise(x / 4, y * 4, 4, seed + static_cast<uint32_t>(y / plankH));
            const float v = 3.6f + 2.4f * (grain - 0.5f) + Bayer(x, y) - 0.5f;
            c.set(x, y, TileCol(ramp, static_cast<int>(std::lround(v))));
        }
    for (int y = 0; y < TileSize; y += plankH) {
        c.fillRect(0, y, TileSize, 1, TileCol(ramp, 0));
        c.fillRect(0, y + 1, TileSize, 1, TileCol(ramp, 6));
        c.fillRect(0, y + plankH - 1, TileSize, 1, TileCol(ramp, 2));
        const int seam = ((y / plankH) * 23 + 9) % TileSize;
        c.fillRect(seam, y, 1, plankH, TileCol(ramp, 0));
        c.set(seam + 3, y + plankH / 2, TileCol(ramp, 1));
        c.set(seam - 3, y + plankH / 2, TileCol(ramp, 1));
    }
}

void PaintLiquid(Canvas& c, int ramp, uint8_t glint, uint32_t seed)
{
    const float tau = 6.2831853f;
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            // Two crossing swells whose periods divide the tile: seamless ripples.
            const float swell = std::sin(tau * (x / 32.0f + y / 16.0f)) + std::sin(tau * (x / 64.0f * 3 - y / 32.0f));
            const float v = 3.0f + 0.9f * swell + 1.4f * (Fbm(x, y, seed) - 0.5f) + Bayer(x, y) - 0.5f;
            c.set(x, y, TileCol(ramp, std::clamp(static_cast<int>(std::lround(v)), 1, 5)));
        }
    Rng rng(seed);
    for (int i = 0; i < 6; ++i) {
        const int x = rng.below(TileSize), y = rng.below(TileSize), len = 3 + rng.below(6);
        c.fillRect(x, y, len, 1, TileCol(ramp, 6));
        c.fillRect(x + 1, y, len - 2, 1, glint);
        if (x + len > TileSize) c.fillRect(x - TileSize, y, len, 1, TileCol(ramp, 6));
    }
}

void PaintCrate(Canvas& c, int ramp, uint8_t dark, uint32_t seed)
{
    PaintPlanks(c, ramp, 16, seed);
    const int f = 6;
    for (int i = 0; i < f; ++i) {
        const uint8_t col = TileCol(ramp, i == 0 || i == f - 1 ? 2 : 5);
        c.rect(i, i, TileSize - 2 * i, TileSize - 2 * i, col);
    }
    c.rect(0, 0, TileSize, TileSize, dark);
    c.rect(f, f, TileSize - 2 * f, TileSize - 2 * f, TileCol(ramp, 1));
    c.line(f, TileSize - f - 1, TileSize - f - 1, f, TileCol(ramp, 5), 5);
    c.line(f + 2, TileSize - f - 1, TileSize - f - 1, f + 2, TileCol(ramp, 2), 1);
    for (int corner = 0; corner < 4; ++corner) {
        const int x = corner % 2 ? TileSize - 4 : 3, y = corner / 2 ? TileSize - 4 : 3;
        c.set(x, y, TileCol(ramp, 7));
    }
}

void PaintColumn(Canvas& c, int x, int w, int ramp, int lightShade, int darkShade)
{
    for (int i = 0; i < w; ++i) {
        // Cylinder lighting: brightest a third of the way in from the left.
        const float t = static_cast<float>(i) / static_cast<float>(std::max(1, w - 1));
        const float lit = 1.0f - std::abs(t - 0.33f) * 1.6f;
        const float shade = darkShade + (lightShade - darkShade) * std::clamp(lit, 0.0f, 1.0f);
        for (int y = 0; y < TileSize; ++y)
            c.set(x + i, y, TileCol(ramp, static_cast<int>(std::lround(shade + Bayer(x + i, y) - 0.5f))));
    }
    c.fillRect(x, 0, 1, TileSize, TileCol(ramp, darkShade - 1));
    c.fillRect(x + w - 1, 0, 1, TileSize, TileCol(ramp, darkShade - 1));
}

void PaintStrand(Canvas& c, int x, int length, uint8_t stem, uint8_t bead, uint8_t beadLight, int every,
                 uint32_t seed)
{
    Rng rng(seed);
    const float phase = static_cast<float>(rng.below(628)) / 100.0f;
    int px = x;
    for (int y = 0; y < length; ++y) {
        const int sx = x + static_cast<int>(std::lround(2.0f * std::sin(phase + y / 9.0f)));
        c.set(sx, y, stem);
        if (sx != px) c.set(px, y, stem);
        px = sx;
        if (every > 0 && y % every == every / 2) {
            const int side = (y / every) % 2 ? 1 : -1;
            c.fillEllipse(sx + side * 3, y, 2, 1, bead);
            c.set(sx + side * 3 - side, y - 1, beadLight);
        }
    }
}

void PaintGlints(Canvas& c, int n, uint8_t core, uint8_t light, uint32_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < n; ++i) {
        const int x = 2 + rng.below(TileSize - 4), y = 2 + rng.below(TileSize - 4);
        if (rng.below(3) == 0) {
            c.set(x - 1, y, light);
            c.set(x + 1, y, light);
            c.set(x, y - 1, light);
            c.set(x, y + 1, light);
        }
        c.set(x, y, core);
    }
}
