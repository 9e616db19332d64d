// Land 2: the harbour in the afternoon. A wide blue sky with long clouds, a headland with its
// lighthouse, and sails of far ships on a sea that glitters toward the horizon.
#include <cmath>

#include "backdrop_painting.h"
#include "backdrops.h"
#include "palette_design.h"
#include "picture_painting.h"
#include "rng.h"

using namespace harbour;

namespace {

constexpr int Horizon = 292;

void CloudBank(Canvas& c, int x, int y, int length, uint32_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < length / 18; ++i) {
        const int px = x + rng.below(length), rx = 18 + rng.below(30), ry = 5 + rng.below(7);
        AcrossSeam([&](int dx) {
            Puff(c, px + dx, y + 3, rx, ry, Col(RampSteel, 5));
            Puff(c, px + dx, y, rx - 4, ry - 2, Col(RampGrey, 7));
        });
    }
}

// A ship far out: a dark hull, masts and pale hazy sails; `size` scales it, `dir` faces it.
void Ship(Canvas& c, int x, int size, int dir)
{
    const int hullW = 6 * size, hullH = size + 1, y = Horizon;
    const int bow = dir > 0 ? x + hullW / 2 + size : x - hullW / 2 - size;
    c.fillPolygon({{x - hullW / 2, y - hullH}, {x + hullW / 2, y - hullH}, {x + hullW / 2 - size, y},
                   {x - hullW / 2 + size, y}},
                  Col(RampNavy, 2));
    c.line(bow, y - hullH - size, x + dir * hullW / 2, y - hullH, Col(RampNavy, 2));
    for (int m = -1; m <= 1; ++m) {
        const int mx = x + m * 2 * size, mh = (m == 0 ? 6 : 5) * size;
        c.line(mx, y - hullH, mx, y - hullH - mh, Col(RampNavy, 2));
        for (int s = 0; s < 3; ++s) {
            // Three courses of sail, the lowest the widest.
            const int sy = y - hullH - mh + 1 + s * (mh / 3), sw = size - 1 + s / 2;
            c.fillRect(mx - sw, sy, 2 * sw + 1, mh / 3 - 1, Col(RampBone, 5 - s % 2));
        }
    }
}

void Headland(Canvas& c, int x)
{
    // Drawn before the sea, which then covers the rounded feet of the hills.
    c.fillEllipse(x, Horizon + 4, 150, 40, Col(RampSteel, 3));
    c.fillEllipse(x + 60, Horizon + 4, 70, 58, Col(RampSteel, 3));
    c.fillEllipse(x - 90, Horizon + 2, 60, 18, Col(RampSteel, 4));
    // The lighthouse on the high end, its lamp lit.
    c.fillPolygon({{x + 52, Horizon - 54}, {x + 56, Horizon - 96}, {x + 64, Horizon - 96}, {x + 68, Horizon - 54}},
                  Col(RampBone, 6));
    c.fillRect(x + 53, Horizon - 80, 14, 5, Col(RampRed, 4));
    c.fillRect(x + 55, Horizon - 104, 10, 8, TileCol(Lamp, 6));
    c.fillPolygon({{x + 53, Horizon - 104}, {x + 60, Horizon - 112}, {x + 67, Horizon - 104}}, Col(RampRed, 3));
}

}  // namespace

Canvas HarbourBackdrop()
{
    Canvas c(BackdropW, BackdropH, ExtraBlack);
    SkyGradient(c, 0, Horizon,
                {Col(RampBlue, 2), Col(RampBlue, 3), Col(RampBlue, 4), Col(RampIce, 4), Col(RampIce, 5),
                 Col(RampIce, 6), Col(RampSand, 6)});
    CloudBank(c, 80, 70, 300, 21);
    CloudBank(c, 560, 130, 420, 22);
    CloudBank(c, 1060, 40, 260, 23);
    CloudBank(c, 300, 210, 220, 24);
    Headland(c, 900);
    SkyGradient(c, Horizon, BackdropH,
                {TileCol(Sea, 5), TileCol(Sea, 4), TileCol(Sea, 3), TileCol(Sea, 2), TileCol(Sea, 1)});
    Ship(c, 180, 7, 1);
    Ship(c, 420, 4, -1);
    Ship(c, 620, 5, 1);
    Ship(c, 1180, 3, -1);
    // The sun's path on the water and the crests of far waves, shorter and denser at the horizon.
    Rng rng(25);
    for (int i = 0; i < 900; ++i) {
        const float depth = static_cast<float>(rng.below(1000)) / 1000.0f;
        const int y = Horizon + 2 + static_cast<int>(depth * depth * (BackdropH - Horizon - 4));
        const int x = rng.below(BackdropW), len = 2 + static_cast<int>(depth * 14.0f);
        const uint8_t crest = i % 3 ? TileCol(Sea, 6) : Col(RampIce, 7);
        AcrossSeam([&](int dx) { c.fillRect(x + dx, y, len, 1, crest); });
    }
    c.fillRect(0, Horizon, BackdropW, 1, Col(RampIce, 6));
    return c;
}
