#include "picture_painting.h"

#include <algorithm>
#include <cmath>

#include "palette_design.h"
#include "rng.h"
#include "tile_painting.h"

namespace {

uint8_t DitheredStop(const std::vector<uint8_t>& stops, float t, int x, int y)
{
    const float pos = std::clamp(t, 0.0f, 1.0f) * static_cast<float>(stops.size() - 1);
    const int i = static_cast<int>(pos);
    const float frac = pos - static_cast<float>(i);
    const size_t next = std::min(stops.size() - 1, static_cast<size_t>(i) + 1);
    return frac > Bayer(x, y) ? stops[next] : stops[static_cast<size_t>(i)];
}

// Smooth 1-D value noise in [0, 1) with lattice spacing `feature` pixels.
float Ridge(int x, int feature, uint32_t seed)
{
    const int i = x / feature;
    const float f = static_cast<float>(x % feature) / static_cast<float>(feature);
    const float s = f * f * (3 - 2 * f);
    const float a = static_cast<float>(Rng(seed ^ static_cast<uint32_t>(i) * 2654435761u).next() >> 8) / 16777216.0f;
    const float b = static_cast<float>(Rng(seed ^ static_cast<uint32_t>(i + 1) * 2654435761u).next() >> 8) / 16777216.0f;
    return a + (b - a) * s;
}

}  // namespace

void SkyGradient(Canvas& c, int y0, int y1, const std::vector<uint8_t>& stops)
{
    if (stops.empty() || y1 <= y0) return;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < c.w; ++x)
            c.set(x, y, DitheredStop(stops, static_cast<float>(y - y0) / static_cast<float>(y1 - y0), x, y));
}

void RadialGlow(Canvas& c, int cx, int cy, int r, const std::vector<uint8_t>& stops)
{
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            const float d = std::hypot(static_cast<float>(x - cx), static_cast<float>(y - cy)) / static_cast<float>(r);
            if (d <= 1.0f) c.set(x, y, DitheredStop(stops, d, x, y));
        }
}

void Stars(Canvas& c, int count, int yMax, uint32_t seed)
{
    Rng rng(seed);
    const uint8_t tints[] = {ExtraStar, Col(RampIce, 6), Col(RampGrey, 5), Col(RampYellow, 6), Col(RampGrey, 3)};
    for (int i = 0; i < count; ++i) {
        const int x = rng.below(c.w), y = rng.below(std::max(1, yMax));
        const uint8_t tint = tints[rng.below(5)];
        if (rng.below(12) == 0) {
            c.set(x - 1, y, Col(RampSky, 4));
            c.set(x + 1, y, Col(RampSky, 4));
            c.set(x, y - 1, Col(RampSky, 4));
            c.set(x, y + 1, Col(RampSky, 4));
            c.set(x, y, ExtraStar);
        } else {
            c.set(x, y, tint);
        }
    }
}

void Mountains(Canvas& c, int baseY, int height, int feature, uint8_t fill, uint8_t light, uint32_t seed)
{
    for (int x = 0; x < c.w; ++x) {
        const float n = 0.6f * Ridge(x, feature, seed) + 0.28f * Ridge(x, feature / 3 + 1, seed + 7) +
                        0.12f * Ridge(x, feature / 9 + 1, seed + 13);
        const int top = baseY - static_cast<int>(std::lround(n * static_cast<float>(height)));
        c.fillRect(x, top, 1, c.h - top, fill);
        if (light) {
            // Rim light on slopes that face the upper left.
            const float nNext = 0.6f * Ridge(x + 1, feature, seed) + 0.28f * Ridge(x + 1, feature / 3 + 1, seed + 7) +
                                0.12f * Ridge(x + 1, feature / 9 + 1, seed + 13);
            if (nNext < n) c.fillRect(x, top, 1, 2, light);
        }
    }
}

void PalmTree(Canvas& c, int x, int groundY, int height, int lean, uint8_t colour)
{
    int px = x, py = groundY;
    const int segments = 12;
    for (int i = 1; i <= segments; ++i) {
        const float t = static_cast<float>(i) / segments;
        const int nx = x + static_cast<int>(std::lround(lean * t * t));
        const int ny = groundY - static_cast<int>(std::lround(height * t));
        c.line(px, py, nx, ny, colour, 6 - i / 4);
        px = nx;
        py = ny;
    }
    // Fronds: drooping, tapering arcs out of the crown, with leaflets hanging from them.
    const float angles[] = {-2.9f, -2.3f, -1.75f, -1.3f, -0.8f, -0.2f, 3.5f};
    for (float a : angles) {
        const float reach = 62.0f;
        int fx = px, fy = py;
        for (int s = 1; s <= 16; ++s) {
            const float t = static_cast<float>(s) / 16.0f;
            const int nx = px + static_cast<int>(std::lround(std::cos(a) * reach * t));
            const int ny = py + static_cast<int>(std::lround(std::sin(a) * reach * t + 38.0f * t * t));
            c.line(fx, fy, nx, ny, colour, t < 0.4f ? 4 : t < 0.75f ? 3 : 2);
            const int leaf = static_cast<int>(std::lround(12.0f * (1.0f - t) + 4.0f));
            const int dir = std::cos(a) >= 0 ? 1 : -1;
            c.line(nx, ny, nx + dir * leaf / 2, ny + leaf, colour);
            c.line(nx, ny, nx - dir * leaf / 3, ny + leaf, colour);
            fx = nx;
            fy = ny;
        }
    }
}

void Panel(Canvas& c, int x, int y, int w, int h, uint8_t fill, uint8_t border, uint8_t borderLight)
{
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if ((xx + yy) % 2 == 0 || (yy - y) % 4 == 0) c.set(xx, yy, fill);
    c.rect(x, y, w, h, border);
    c.rect(x + 1, y + 1, w - 2, h - 2, borderLight);
    c.rect(x + 2, y + 2, w - 4, h - 4, border);
}

Canvas ScaledUp(const Canvas& src, int factor)
{
    Canvas out(src.w * factor, src.h * factor);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) out.set(x, y, src.get(x / factor, y / factor));
    return out;
}
