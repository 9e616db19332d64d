#include "backdrop_painting.h"

#include <algorithm>
#include <cmath>

#include "palette_design.h"
#include "rng.h"
#include "tile_painting.h"

namespace {

float Lattice(int i, int cells, uint32_t seed)
{
    const int wrapped = ((i % cells) + cells) % cells;
    return static_cast<float>(Rng(seed ^ static_cast<uint32_t>(wrapped + 1) * 2654435761u).next() >> 8) /
           16777216.0f;
}

}  // namespace

float WrapNoise(int x, int cells, uint32_t seed)
{
    const int cellW = BackdropW / std::clamp(cells, 1, BackdropW);
    const int wx = ((x % BackdropW) + BackdropW) % BackdropW;
    const int i = wx / cellW;
    const float f = static_cast<float>(wx % cellW) / static_cast<float>(cellW);
    const float s = f * f * (3 - 2 * f);
    const float a = Lattice(i, BackdropW / cellW, seed), b = Lattice(i + 1, BackdropW / cellW, seed);
    return a + (b - a) * s;
}

int RidgeTop(int x, int baseY, int height, int cells, uint32_t seed)
{
    const float n = 0.6f * WrapNoise(x, cells, seed) + 0.28f * WrapNoise(x, cells * 4, seed + 7) +
                    0.12f * WrapNoise(x, cells * 16, seed + 13);
    return baseY - static_cast<int>(std::lround(n * static_cast<float>(height)));
}

void Range(Canvas& c, int baseY, int height, int cells, uint8_t fill, uint8_t rim, uint32_t seed)
{
    for (int x = 0; x < c.w; ++x) {
        const int top = RidgeTop(x, baseY, height, cells, seed);
        c.fillRect(x, top, 1, c.h - top, fill);
        // A ridge that falls to the right faces the light of the upper left.
        if (rim && RidgeTop(x + 1, baseY, height, cells, seed) > top) c.fillRect(x, top, 1, 2, rim);
    }
}

uint8_t Lighter(uint8_t index)
{
    const bool inShared = index >= SharedFirst && index < ExtraBlack;
    const bool inTiles = index >= TileFirst;
    if (inShared || inTiles) {
        const int first = inShared ? SharedFirst : TileFirst;
        return (index - first) % ShadesPerRamp == ShadesPerRamp - 1 ? index : static_cast<uint8_t>(index + 1);
    }
    switch (index) {
    case ExtraBlack: return ExtraNight;
    case ExtraNight: return Col(RampNavy, 1);
    case ExtraBloodDark: return Col(RampCrimson, 1);
    case ExtraJungleDark: return Col(RampGreen, 0);
    default: return index;
    }
}

void LightenDithered(Canvas& c, int x, int y, float amount)
{
    if (x < 0 || y < 0 || x >= c.w || y >= c.h) return;
    if (amount > Bayer(x, y)) c.set(x, y, Lighter(c.get(x, y)));
}

void CoverDithered(Canvas& c, int x, int y, float amount, uint8_t colour)
{
    if (amount > Bayer(x, y)) c.set(x, y, colour);
}

void Puff(Canvas& c, int cx, int cy, int rx, int ry, uint8_t colour)
{
    for (int y = cy - ry; y <= cy + ry; ++y)
        for (int x = cx - rx; x <= cx + rx; ++x) {
            const float nx = static_cast<float>(x - cx) / static_cast<float>(rx);
            const float ny = static_cast<float>(y - cy) / static_cast<float>(ry);
            const float d = nx * nx + ny * ny;
            if (d < 1.0f) CoverDithered(c, x, y, (1.0f - d) * 2.2f, colour);
        }
}
