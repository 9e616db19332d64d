// Land 4: the underworld. A cavern whose far ceiling hangs with stalactites, rock pillars
// standing before a red glow, lava falling from the heights into a lake of fire, and embers.
#include <algorithm>
#include <cmath>

#include "backdrop_painting.h"
#include "backdrops.h"
#include "palette_design.h"
#include "picture_painting.h"
#include "rng.h"

using namespace under;

namespace {

constexpr int Lake = 330;

void Stalactites(Canvas& c, int baseY, int longest, uint8_t colour, uint32_t seed)
{
    Rng rng(seed);
    for (int x = 0; x < BackdropW;) {
        const int half = 6 + rng.below(16), length = longest / 3 + rng.below(longest);
        AcrossSeam([&](int dx) {
            c.fillPolygon({{x + dx - half, baseY}, {x + dx + half, baseY}, {x + dx + half / 5, baseY + length}},
                          colour);
        });
        x += half + rng.below(2 * half);
    }
    c.fillRect(0, 0, BackdropW, baseY, colour);
}

// A pillar from the ceiling to the lake, waisted in the middle and knobbly, its edges rimmed
// by the glow.
void Pillar(Canvas& c, int x, int w, uint8_t colour, uint8_t rim, uint32_t seed)
{
    for (int y = 0; y < Lake + 6; ++y) {
        const float t = static_cast<float>(y) / Lake;
        const float knobs = 0.4f * (WrapNoise(y * 3, 16, seed) - 0.5f);
        const float width = static_cast<float>(w) * (0.45f + 0.7f * std::pow(std::fabs(2.0f * t - 1.0f), 2.0f) + knobs);
        const int half = std::max(3, static_cast<int>(width));
        const int shift = static_cast<int>(10.0f * (WrapNoise(y * 2, 8, seed + 1) - 0.5f));
        c.fillRect(x + shift - half, y, 2 * half, 1, colour);
        c.set(x + shift - half, y, rim);
        c.set(x + shift + half - 1, y, rim);
    }
}

// Lava pouring from a mouth in the rock: a ribbon that sways, brightest in the middle, spraying
// where it meets the lake.
void LavaFall(Canvas& c, int x, int top, int w, uint32_t seed)
{
    c.fillEllipse(x, top, w * 3, w + 3, TileCol(Basalt, 0));
    for (int y = top; y < Lake; ++y) {
        const int cx = x + static_cast<int>(3.0f * (WrapNoise(y * 6, 64, seed) - 0.5f));
        const int half = w + (y - top) / 60;
        for (int px = cx - half - 8; px <= cx + half + 8; ++px) {
            const int d = std::abs(px - cx);
            if (d <= half) {
                const bool streak = ((y - px * 2 + static_cast<int>(seed) * 7) / 4) % 3 == 0;
                c.set(px, y, TileCol(Lava, d * 3 < half ? (streak ? 7 : 6) : d < half ? 5 : 4));
            } else {
                LightenDithered(c, px, y, 0.8f - 0.1f * static_cast<float>(d - half));
            }
        }
    }
    for (int i = 0; i < 8; ++i) {
        const int r = w + 2 + i;
        Puff(c, x + (i % 2 ? r : -r), Lake - 2 - i, r, r / 2 + 1, i < 4 ? TileCol(Lava, 6) : TileCol(Ember, 5));
    }
}

}  // namespace

Canvas UnderworldBackdrop()
{
    Canvas c(BackdropW, BackdropH, ExtraBlack);
    // Dark where the sprites stand, so the red devil and the fiery shots keep their edges; the
    // glow gathers low, over the lake.
    SkyGradient(c, 0, Lake,
                {TileCol(Basalt, 0), ExtraBloodDark, Col(RampCrimson, 0), Col(RampCrimson, 1), TileCol(Gore, 1),
                 TileCol(Gore, 2), TileCol(Lava, 1), TileCol(Lava, 2)});
    // Two depths of rock: far pillars and crags in the red haze, near ones black against it.
    for (int x : {60, 330, 610, 790, 1010}) {
        AcrossSeam([&](int dx) { Pillar(c, x + dx, 12, TileCol(Gore, 1), TileCol(Gore, 2), static_cast<uint32_t>(x)); });
    }
    Range(c, Lake - 10, 90, 10, TileCol(Gore, 1), TileCol(Gore, 2), 0x4200);
    Range(c, Lake + 4, 60, 16, TileCol(Basalt, 1), TileCol(Ember, 2), 0x4201);
    for (int x : {140, 520, 900, 1160}) {
        AcrossSeam([&](int dx) {
            Pillar(c, x + dx, 18 + x % 14, TileCol(Basalt, 0), TileCol(Ember, 1), static_cast<uint32_t>(x));
        });
    }
    Stalactites(c, 26, 70, TileCol(Basalt, 0), 0x4202);
    LavaFall(c, 330, 40, 5, 1);
    LavaFall(c, 730, 80, 3, 2);
    LavaFall(c, 1030, 30, 6, 3);
    // The lake: molten, banded with bright crests and drifting black crust.
    SkyGradient(c, Lake, BackdropH, {TileCol(Lava, 5), TileCol(Lava, 4), TileCol(Lava, 3), TileCol(Lava, 2)});
    Rng rng(41);
    for (int i = 0; i < 500; ++i) {
        const int y = Lake + 2 + rng.below(BackdropH - Lake - 2), x = rng.below(BackdropW);
        const int len = 3 + rng.below(18);
        const uint8_t colour = i % 4 == 0 ? TileCol(Basalt, 1) : TileCol(Lava, 6);
        AcrossSeam([&](int dx) { c.fillRect(x + dx, y, len, i % 4 == 0 ? 2 : 1, colour); });
    }
    c.fillRect(0, Lake, BackdropW, 1, TileCol(Sulfur, 6));
    // Embers rising from the lake.
    for (int i = 0; i < 160; ++i) {
        const int x = rng.below(BackdropW), y = 60 + rng.below(Lake - 60);
        c.set(x, y, i % 3 ? TileCol(Ember, 6) : TileCol(Sulfur, 6));
    }
    return c;
}
