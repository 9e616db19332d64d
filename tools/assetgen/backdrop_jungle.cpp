// Land 1: the jungle at dusk. A purple sky burning orange at the horizon, three volcanoes
// smoking against it, and the dark canopy of the near jungle.
#include <algorithm>
#include <cmath>

#include "backdrop_painting.h"
#include "backdrops.h"
#include "palette_design.h"
#include "picture_painting.h"
#include "rng.h"

using namespace jungle;

namespace {

constexpr int Horizon = 300;

// A cone with slopes that steepen toward a narrow crater, gullied, lit from the upper left,
// glowing at the top, with lava running down and smoke drifting right.
void Volcano(Canvas& c, int x, int peakY, int halfBase, uint32_t seed)
{
    const int crater = halfBase / 8, baseY = Horizon + 20, height = baseY - peakY;
    for (int dx = -halfBase; dx <= halfBase; ++dx) {
        const float d = std::max(0.0f, (std::fabs(static_cast<float>(dx)) - crater) / (halfBase - crater));
        const float gully = 4.0f * (WrapNoise(x + dx, 160, seed) - 0.5f) * d;
        const int top = peakY + static_cast<int>(std::lround(height * (1.0f - std::pow(1.0f - d, 1.8f)) + gully));
        for (int y = top; y < baseY; ++y) {
            // Streaks down the slope: light on the left flank where the gully faces the sky.
            const bool lit = dx < 0 && WrapNoise(x + dx, 320, seed + 1) > 0.45f - 0.3f * d;
            c.set(x + dx, y, y < top + 2 && dx < 0 ? Col(RampPurple, 3) : lit ? Col(RampPurple, 2) : Col(RampPurple, 1));
        }
    }
    Rng rng(seed);
    for (int i = 0; i < 3; ++i) {
        int lx = x - crater / 2 + rng.below(crater + 1), ly = peakY + 1;
        const int length = 30 + rng.below(60);
        for (int s = 0; s < length; ++s) {
            const uint8_t hot = s < length / 4 ? TileCol(Amber, 7) : s < length / 2 ? Col(RampLava, 5) : Col(RampLava, 3);
            c.set(lx, ly, hot);
            c.set(lx + 1, ly, s < length / 2 ? Col(RampLava, 4) : Col(RampLava, 2));
            ++ly;
            if (rng.below(3) == 0) lx += rng.below(3) - 1;
        }
    }
    c.fillEllipse(x, peakY, crater, 2, TileCol(Amber, 7));
    // The crater's light on the smoke above it.
    for (int y = peakY - 40; y < peakY; ++y)
        for (int px = x - crater * 2; px <= x + crater * 2; ++px) {
            const float fx = static_cast<float>(px - x) / (crater * 2), fy = static_cast<float>(peakY - y) / 40.0f;
            CoverDithered(c, px, y, (1.0f - fx * fx - fy) * 1.2f, fy < 0.3f ? Col(RampLava, 4) : Col(RampLava, 2));
        }
    // Smoke rising from the crater and drifting right, swelling and thinning as it climbs.
    for (int i = 0; i < 14; ++i) {
        const float t = static_cast<float>(i) / 14.0f;
        const int px = x + static_cast<int>(std::lround(90.0f * t * t)) + rng.below(9) - 4;
        const int py = peakY - 14 - static_cast<int>(150.0f * t);
        const int r = crater / 2 + 6 + static_cast<int>(22.0f * t);
        Puff(c, px, py, r, r * 3 / 4, t < 0.5f ? Col(RampPurple, 2) : Col(RampSky, 1));
    }
}

// The canopy's edge: rounded crowns of trees, one beside the other.
void Canopy(Canvas& c, int baseY, uint8_t colour, uint32_t seed)
{
    Rng rng(seed);
    for (int x = 0; x < BackdropW;) {
        const int r = 10 + rng.below(14);
        const int top = baseY - rng.below(22);
        AcrossSeam([&](int dx) { c.fillEllipse(x + dx, top, r, r * 3 / 4, colour); });
        x += r + rng.below(r);
    }
    c.fillRect(0, baseY, BackdropW, BackdropH - baseY, colour);
}

}  // namespace

Canvas JungleBackdrop()
{
    Canvas c(BackdropW, BackdropH, ExtraBlack);
    SkyGradient(c, 0, Horizon + 20,
                {ExtraNight, Col(RampNavy, 2), Col(RampSky, 1), Col(RampPurple, 3), Col(RampMagenta, 3),
                 Col(RampPink, 4), Col(RampOrange, 5), Col(RampYellow, 6)});
    Stars(c, 120, 110, 0x5151);
    Range(c, Horizon + 10, 36, 10, Col(RampSky, 1), Col(RampPurple, 3), 0x1201);
    Volcano(c, 250, 150, 170, 11);
    Volcano(c, 760, 120, 210, 12);
    Volcano(c, 1100, 190, 130, 13);
    Range(c, Horizon + 34, 40, 16, Col(RampNavy, 1), TileCol(Leaf, 1), 0x1202);
    Canopy(c, Horizon + 40, TileCol(Leaf, 0), 0x1203);
    Canopy(c, Horizon + 70, ExtraJungleDark, 0x1204);
    for (int x : {90, 430, 610, 980, 1210}) {
        AcrossSeam([&](int dx) { PalmTree(c, x + dx, Horizon + 90, 120 + x % 50, (x % 3 - 1) * 40, ExtraJungleDark); });
    }
    return c;
}
