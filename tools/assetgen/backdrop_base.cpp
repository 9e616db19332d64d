// Land 3: the military base by night. Hangars, a control tower, a radar dish and masts stand
// black against a haze that the floodlights sweep with pale beams.
#include <cmath>

#include "backdrop_painting.h"
#include "backdrops.h"
#include "palette_design.h"
#include "picture_painting.h"
#include "rng.h"

using namespace base;

namespace {

constexpr int Ground = 318;
const uint8_t Shadow = Col(RampNavy, 0);

// A beam of light from (x, Ground) up at `lean` pixels sideways per pixel up, widening and
// fading with distance.
void Beam(Canvas& c, int x, float lean, float spread)
{
    for (int y = Ground; y >= 0; --y) {
        const float up = static_cast<float>(Ground - y);
        const float centre = static_cast<float>(x) + lean * up, half = 3.0f + spread * up;
        const float fade = 1.0f - up / 480.0f;
        for (int px = static_cast<int>(centre - half); px <= static_cast<int>(centre + half); ++px) {
            const float across = 1.0f - std::fabs(static_cast<float>(px) - centre) / half;
            const int wrapped = ((px % BackdropW) + BackdropW) % BackdropW;
            // Up to three shades lighter toward the beam's core.
            const float light = fade * (0.4f + 1.6f * across);
            for (int pass = 0; pass < 3; ++pass) LightenDithered(c, wrapped, y, light - static_cast<float>(pass) * 0.6f);
        }
    }
}

// Warehouses far behind, a blocky skyline with a few lit windows.
void Skyline(Canvas& c, uint32_t seed)
{
    Rng rng(seed);
    for (int x = 0; x < BackdropW;) {
        const int w = 30 + rng.below(60), h = 14 + rng.below(30);
        AcrossSeam([&](int dx) { c.fillRect(x + dx, Ground - h, w, h, Col(RampSteel, 1)); });
        for (int i = rng.below(4); i > 0; --i) {
            const int wx = x + 4 + rng.below(w - 10), wy = Ground - h + 4 + rng.below(h - 8);
            AcrossSeam([&](int dx) { c.fillRect(wx + dx, wy, 3, 2, TileCol(Hazard, 3)); });
        }
        x += w + rng.below(20);
    }
}

void Hangar(Canvas& c, int x, int w, int h)
{
    c.fillEllipse(x + w / 2, Ground - h / 2, w / 2, h / 2 + h / 3, Shadow);
    c.fillRect(x, Ground - h / 2, w, h / 2, Shadow);
    // Roof ribs catching the glow of the haze.
    for (int rib = 1; rib < 6; ++rib) {
        const int rx = x + rib * w / 6;
        for (int y = Ground - h / 2; y > 0; --y) {
            const float fx = static_cast<float>(rx - x - w / 2) / (w / 2), fy = static_cast<float>(Ground - h / 2 - y) / (h / 2 + h / 3);
            if (fx * fx + fy * fy > 1.0f) break;
            c.set(rx, y, TileCol(Steel, 0));
        }
    }
    c.fillRect(x + w / 2 - 16, Ground - 22, 32, 22, TileCol(Hazard, 2));
    c.fillRect(x + w / 2 - 14, Ground - 20, 28, 20, TileCol(Concrete, 1));
    c.fillRect(x + w / 2 - 2, Ground - h - h / 3 - 2, 4, 3, TileCol(Signal, 5));
}

void ControlTower(Canvas& c, int x)
{
    c.fillRect(x, Ground - 120, 22, 120, Shadow);
    c.fillPolygon({{x - 14, Ground - 120}, {x + 36, Ground - 120}, {x + 28, Ground - 148}, {x - 6, Ground - 148}},
                  Shadow);
    for (int i = 0; i < 5; ++i) c.fillRect(x - 6 + i * 8, Ground - 142, 5, 12, TileCol(Glass, 4));
    c.line(x + 11, Ground - 148, x + 11, Ground - 180, Shadow);
    c.set(x + 11, Ground - 181, TileCol(Signal, 6));
    for (int row = 0; row < 5; ++row) c.fillRect(x + 8, Ground - 108 + row * 20, 6, 4, TileCol(Hazard, 5));
}

void RadarDish(Canvas& c, int x)
{
    c.fillRect(x - 3, Ground - 70, 6, 70, Shadow);
    c.fillEllipse(x, Ground - 86, 30, 20, Shadow);
    c.fillEllipse(x + 6, Ground - 90, 22, 13, Col(RampSteel, 1));
    c.line(x, Ground - 86, x + 26, Ground - 112, Shadow, 2);
}

void Mast(Canvas& c, int x, int h)
{
    c.line(x - 6, Ground, x, Ground - h, Shadow, 2);
    c.line(x + 6, Ground, x, Ground - h, Shadow, 2);
    for (int y = Ground - 12; y > Ground - h; y -= 14) c.line(x - 5, y, x + 5, y - 10, Shadow);
    c.fillRect(x - 1, Ground - h - 2, 3, 3, TileCol(Signal, 6));
}

}  // namespace

Canvas BaseBackdrop()
{
    Canvas c(BackdropW, BackdropH, ExtraBlack);
    SkyGradient(c, 0, Ground,
                {ExtraNight, Col(RampNavy, 1), Col(RampNavy, 2), Col(RampSteel, 1), Col(RampSteel, 2),
                 TileCol(Drab, 2), TileCol(Drab, 3)});
    Stars(c, 60, 90, 0x3131);
    Beam(c, 120, 0.55f, 0.07f);
    Beam(c, 470, -0.35f, 0.05f);
    Beam(c, 700, 0.15f, 0.06f);
    Beam(c, 1040, -0.6f, 0.08f);
    Skyline(c, 0x3201);
    Hangar(c, 170, 170, 70);
    Hangar(c, 820, 220, 86);
    ControlTower(c, 560);
    RadarDish(c, 1130);
    for (int x : {40, 380, 660, 1080, 1250}) Mast(c, x, 90 + x % 60);
    // The perimeter fence and the dark ground in front of it.
    SkyGradient(c, Ground, BackdropH, {TileCol(Concrete, 1), TileCol(Concrete, 0), ExtraBlack});
    for (int x = 8; x < BackdropW; x += 32) c.fillRect(x, Ground + 12, 2, 1, TileCol(Hazard, 5));  // runway edge
    c.fillRect(0, Ground - 16, BackdropW, 1, Shadow);
    for (int x = 0; x < BackdropW; x += 16) c.fillRect(x, Ground - 18, 2, 18, Shadow);
    for (int y = Ground - 15; y < Ground; y += 3)
        for (int x = (y / 3) % 2; x < BackdropW; x += 2) c.set(x, y, Shadow);
    // Floodlight heads where the beams start.
    for (int x : {120, 470, 700, 1040}) c.fillRect(x - 3, Ground - 3, 7, 4, Col(RampGrey, 7));
    return c;
}
