// Segment 1, the prehistoric jungle: earth and rock, hanging vines, swamp, tree trunks.
#include <cmath>

#include "rng.h"
#include "tile_painting.h"
#include "tiles_worlds.h"

using namespace jungle;

namespace {

// A boulder lit from the upper left, drawn wrapped so it may cross the tile edges.
void Boulder(Canvas& c, int cx, int cy, int rx, int ry, int ramp)
{
    for (int oy = -ry; oy <= ry; ++oy)
        for (int ox = -rx; ox <= rx; ++ox) {
            const float nx = static_cast<float>(ox) / rx, ny = static_cast<float>(oy) / ry;
            const float d = nx * nx + ny * ny;
            if (d > 1.0f) continue;
            const float light = 0.55f - 0.45f * nx - 0.55f * ny - 0.5f * d;
            const int x = (cx + ox + TileSize) % TileSize, y = (cy + oy + TileSize) % TileSize;
            const float v = 3.2f + 3.4f * light + 1.2f * (Fbm(x, y, 77) - 0.5f) + Bayer(x, y) - 0.5f;
            c.set(x, y, d > 0.86f ? TileCol(ramp, 0) : TileCol(ramp, static_cast<int>(std::lround(v))));
        }
}

void GrassFringe(Canvas& c, uint32_t seed)
{
    Rng rng(seed);
    c.fillRect(0, 0, TileSize, 3, TileCol(Grass, 4));
    c.fillRect(0, 0, TileSize, 1, TileCol(Grass, 6));
    for (int x = 0; x < TileSize; ++x) {
        const int len = 3 + rng.below(6);
        for (int y = 3; y < 3 + len; ++y) c.set(x, y, TileCol(Grass, y + 2 < len ? 3 : 2));
    }
}

Canvas Earth()
{
    Canvas c(TileSize, TileSize);
    ShadeFill(c, 0, 0, TileSize, TileSize, Soil, 3.2f, 3.0f, 11);
    Rng rng(12);
    for (int i = 0; i < 9; ++i) {
        const int x = rng.below(TileSize), y = 14 + rng.below(46), r = 2 + rng.below(3);
        c.fillEllipse(x, y, r + 1, r, TileCol(Rock, 2));
        c.fillEllipse(x - 1, y - 1, r, r - 1, TileCol(Rock, 4));
        c.set(x - 1, y - 1, TileCol(Rock, 6));
    }
    // A fossil bone, for the age of the dinosaurs.
    c.line(20, 40, 36, 46, TileCol(Rock, 6), 3);
    c.fillCircle(19, 39, 2, TileCol(Rock, 7));
    c.fillCircle(37, 47, 2, TileCol(Rock, 7));
    GrassFringe(c, 13);
    return c;
}

Canvas RockBlocks()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Rock, 32, 16, 3.6f, TileCol(Soil, 0), 21});
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x)
            if (Noise(x, y, 8, 23) > 0.72f && (y % 16) < 6) c.set(x, y, TileCol(Grass, (x + y) % 3 + 1));
    return c;
}

Canvas Boulders()
{
    Canvas c(TileSize, TileSize, TileCol(Soil, 1));
    Boulder(c, 16, 14, 18, 15, Rock);
    Boulder(c, 50, 22, 16, 17, Rock);
    Boulder(c, 30, 46, 20, 16, Rock);
    Boulder(c, 62, 56, 12, 10, Rock);
    return c;
}

Canvas Vines()
{
    Canvas c(TileSize, TileSize);
    PaintStrand(c, 9, 64, TileCol(Leaf, 2), TileCol(Leaf, 4), TileCol(Leaf, 6), 10, 31);
    PaintStrand(c, 38, 40, TileCol(Leaf, 1), TileCol(Grass, 3), TileCol(Grass, 5), 8, 32);
    PaintStrand(c, 55, 64, TileCol(Leaf, 2), TileCol(Leaf, 3), TileCol(Leaf, 5), 12, 33);
    c.fillEllipse(38, 42, 3, 3, TileCol(Bloom, 4));
    c.set(37, 41, TileCol(Bloom, 7));
    c.set(38, 42, TileCol(Amber, 6));
    return c;
}

Canvas Fireflies()
{
    Canvas c(TileSize, TileSize);
    // A fern frond reaching in from the top left corner.
    for (int i = 0; i < 30; ++i) {
        const int x = i, y = static_cast<int>(std::lround(2 + 0.012f * i * i));
        c.set(x, y, TileCol(Leaf, 3));
        if (i % 3 == 0) {
            c.line(x, y, x + 2, y + 5 - i / 10, TileCol(Leaf, 4));
            c.line(x, y, x - 3, y - 2, TileCol(Leaf, 2));
        }
    }
    PaintGlints(c, 6, TileCol(Amber, 7), TileCol(Amber, 3), 41);
    PaintGlints(c, 4, ExtraStar, TileCol(Rock, 3), 42);
    return c;
}

Canvas SwampWater()
{
    Canvas c(TileSize, TileSize);
    PaintLiquid(c, Swamp, TileCol(Grass, 6), 51);
    c.fillCircle(20, 30, 2, TileCol(Swamp, 6));
    c.set(19, 29, TileCol(Swamp, 7));
    c.fillCircle(47, 12, 1, TileCol(Swamp, 6));
    return c;
}

Canvas TreeTrunk()
{
    Canvas c(TileSize, TileSize);
    PaintColumn(c, 2, 60, Bark, 6, 1);
    for (int y = 0; y < TileSize; ++y)
        for (int x = 4; x < 60; ++x)
            if (Noise(x * 4, y / 2, 8, 61) > 0.68f) c.set(x, y, TileCol(Bark, 1));  // bark furrows
    for (int y = 0; y < TileSize; ++y)
        for (int x = 2; x < 20; ++x)
            if (Noise(x, y, 8, 62) > 0.7f) c.set(x, y, TileCol(Grass, 2 + (x + y) % 2));  // moss
    return c;
}

Canvas Palisade()
{
    Canvas c(TileSize, TileSize);
    for (int log = 0; log < 4; ++log) PaintColumn(c, log * 16, 16, Bark, 5, 1);
    for (int band : {14, 46}) {
        c.fillRect(0, band, TileSize, 4, TileCol(Grass, 2));
        c.fillRect(0, band, TileSize, 1, TileCol(Grass, 4));
        for (int x = 0; x < TileSize; x += 4) c.set(x + 1, band + 2, TileCol(Grass, 0));
    }
    return c;
}

Canvas BambooGate()
{
    Canvas c(TileSize, TileSize);
    for (int x : {1, 57}) {
        PaintColumn(c, x, 6, Grass, 6, 2);
        for (int y = 6; y < TileSize; y += 16) {
            c.fillRect(x, y, 6, 2, TileCol(Grass, 1));
            c.fillRect(x, y + 2, 6, 1, TileCol(Grass, 7));
        }
    }
    c.line(7, 14, 12, 18, TileCol(Leaf, 4), 2);
    c.line(56, 44, 51, 49, TileCol(Leaf, 4), 2);
    return c;
}

}  // namespace

Canvas JungleTile(int digit)
{
    switch (digit) {
    case 1: return Earth();
    case 2: return RockBlocks();
    case 3: return Boulders();
    case 4: return Vines();
    case 5: return Fireflies();
    case 6: return SwampWater();
    case 7: return TreeTrunk();
    case 8: return Palisade();
    case 9: return BambooGate();
    default: return Canvas(TileSize, TileSize);
    }
}
