// Land 5: the road home. A bright morning sky with the sun still low, white clouds, and green
// hills rolling one behind the other, with the home town on the far crest.
#include <cmath>

#include "backdrop_painting.h"
#include "backdrops.h"
#include "palette_design.h"
#include "picture_painting.h"
#include "rng.h"

using namespace home;

namespace {

constexpr int Horizon = 290;

void Cloud(Canvas& c, int x, int y, int size, uint32_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < 7; ++i) {
        const int px = x + rng.below(size * 3) - size * 3 / 2, py = y + rng.below(size / 2) - size / 4;
        const int r = size / 2 + rng.below(size / 2);
        AcrossSeam([&](int dx) {
            Puff(c, px + dx, py + r / 4, r, r * 2 / 3, Col(RampIce, 5));
            Puff(c, px + dx, py, r - 2, r * 2 / 3 - 2, Col(RampGrey, 7));
        });
    }
}

void Town(Canvas& c, int x, int groundY)
{
    const uint8_t wall = Col(RampIce, 3), roof = Col(RampSky, 3);
    for (int i = 0; i < 7; ++i) {
        const int hx = x + i * 15, hh = 10 + (i * 7) % 9;
        c.fillRect(hx, groundY - hh, 12, hh + 4, wall);
        c.fillPolygon({{hx - 2, groundY - hh}, {hx + 6, groundY - hh - 7}, {hx + 14, groundY - hh}}, roof);
    }
    c.fillRect(x + 44, groundY - 40, 8, 40, wall);
    c.fillPolygon({{x + 42, groundY - 40}, {x + 48, groundY - 56}, {x + 54, groundY - 40}}, roof);
}

// Round tree crowns standing on a hill's ridge.
void Trees(Canvas& c, int baseY, int height, int cells, uint32_t seed, uint8_t crown, uint8_t light)
{
    Rng rng(seed);
    for (int x = rng.below(40); x < BackdropW; x += 24 + rng.below(70)) {
        const int top = RidgeTop(x, baseY, height, cells, seed), r = 6 + rng.below(6);
        AcrossSeam([&](int dx) {
            c.fillEllipse(x + dx, top - r + 3, r, r, crown);
            c.fillEllipse(x + dx - r / 3, top - r, r / 2, r / 2, light);
        });
    }
}

}  // namespace

Canvas HomecomingBackdrop()
{
    Canvas c(BackdropW, BackdropH, ExtraBlack);
    SkyGradient(c, 0, Horizon + 20,
                {Col(RampBlue, 3), Col(RampBlue, 4), Col(RampBlue, 5), Col(RampIce, 5), Col(RampIce, 6),
                 Col(RampYellow, 7)});
    // The sun: a white-hot disc in a halo that fades into the sky through the dither.
    for (int y = 150 - 110; y <= 150 + 110; ++y)
        for (int x = 230 - 110; x <= 230 + 110; ++x) {
            const float d = std::hypot(static_cast<float>(x - 230), static_cast<float>(y - 150)) / 110.0f;
            LightenDithered(c, x, y, 1.0f - d);
            LightenDithered(c, x, y, 0.6f - d);
        }
    RadialGlow(c, 230, 150, 30, {ExtraSun, ExtraSun, Col(RampYellow, 7)});
    Cloud(c, 520, 90, 30, 51);
    Cloud(c, 900, 60, 24, 52);
    Cloud(c, 1180, 140, 20, 53);
    Cloud(c, 120, 230, 18, 54);
    Range(c, Horizon, 60, 5, Col(RampIce, 4), Col(RampIce, 5), 0x5201);
    Town(c, 700, RidgeTop(740, Horizon, 60, 5, 0x5201) + 6);
    Range(c, Horizon + 30, 50, 8, TileCol(Meadow, 4), TileCol(Meadow, 6), 0x5202);
    Trees(c, Horizon + 70, 50, 10, 0x5203, TileCol(Meadow, 2), TileCol(Meadow, 3));
    Range(c, Horizon + 70, 50, 10, TileCol(Meadow, 3), TileCol(Meadow, 5), 0x5203);
    Range(c, Horizon + 110, 30, 16, TileCol(Meadow, 1), TileCol(Meadow, 3), 0x5204);
    return c;
}
