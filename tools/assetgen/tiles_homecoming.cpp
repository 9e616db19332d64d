// Segment 5, the bright homecoming: flowered meadow, cobbles and marble, blossom
// branches, butterflies, a clear lake, hay and fences, and a garden arch.
#include <cmath>

#include "rng.h"
#include "tile_painting.h"
#include "tiles_worlds.h"

using namespace home;

namespace {

void Flower(Canvas& c, int x, int y, uint8_t petal)
{
    c.set(x - 1, y, petal);
    c.set(x + 1, y, petal);
    c.set(x, y - 1, petal);
    c.set(x, y + 1, petal);
    c.set(x, y, TileCol(Gold, 6));
}

Canvas MeadowEarth()
{
    Canvas c(TileSize, TileSize);
    ShadeFill(c, 0, 0, TileSize, TileSize, Earth, 3.4f, 2.6f, 401);
    Rng rng(402);
    c.fillRect(0, 0, TileSize, 4, TileCol(Meadow, 5));
    c.fillRect(0, 0, TileSize, 1, TileCol(Meadow, 7));
    for (int x = 0; x < TileSize; ++x) {
        const int len = 2 + rng.below(7);
        for (int y = 4; y < 4 + len; ++y) c.set(x, y, TileCol(Meadow, y + 1 < len ? 4 : 3));
    }
    for (int i = 0; i < 5; ++i) Flower(c, 4 + i * 13, 2, i % 2 ? TileCol(Blossom, 5) : TileCol(Marble, 7));
    for (int i = 0; i < 6; ++i) {
        const int x = rng.below(TileSize), y = 20 + rng.below(40);
        c.fillEllipse(x, y, 2, 1, TileCol(Cobble, 4));
        c.set(x - 1, y - 1, TileCol(Cobble, 6));
    }
    return c;
}

Canvas Cobbles()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Cobble, 16, 16, 4.2f, TileCol(Earth, 2), 411});
    return c;
}

Canvas MarbleBlocks()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Marble, 64, 32, 4.4f, TileCol(Marble, 1), 421});
    for (int y : {14, 46}) {
        c.fillRect(0, y, TileSize, 3, TileCol(Gold, 4));
        c.fillRect(0, y, TileSize, 1, TileCol(Gold, 6));
    }
    for (int y = 0; y < TileSize; ++y)  // soft veins
        for (int x = 0; x < TileSize; ++x)
            if (std::abs(Noise(x, y, 16, 422) - 0.5f) < 0.02f) c.set(x, y, TileCol(Cobble, 5));
    return c;
}

Canvas BlossomBranch()
{
    Canvas c(TileSize, TileSize);
    c.line(0, 6, 30, 12, TileCol(Timber, 2), 3);
    c.line(30, 12, 63, 6, TileCol(Timber, 2), 2);
    c.line(30, 12, 40, 24, TileCol(Timber, 1), 1);
    const int blooms[][2] = {{8, 9}, {20, 13}, {34, 9}, {40, 25}, {52, 10}, {26, 6}, {60, 4}};
    for (const auto& b : blooms) {
        c.fillCircle(b[0], b[1], 2, TileCol(Blossom, 5));
        c.set(b[0], b[1], TileCol(Blossom, 7));
    }
    c.set(18, 34, TileCol(Blossom, 6));  // falling petals
    c.set(46, 44, TileCol(Blossom, 5));
    c.set(10, 52, TileCol(Blossom, 6));
    return c;
}

Canvas Butterflies()
{
    Canvas c(TileSize, TileSize);
    const int at[][2] = {{16, 20}, {46, 42}};
    const uint8_t wings[] = {TileCol(Lake, 5), TileCol(Gold, 5)};
    for (int i = 0; i < 2; ++i) {
        const int x = at[i][0], y = at[i][1];
        c.fillEllipse(x - 3, y - 1, 2, 2, wings[i]);
        c.fillEllipse(x + 3, y - 1, 2, 2, wings[i]);
        c.fillEllipse(x - 2, y + 2, 1, 1, wings[i]);
        c.fillEllipse(x + 2, y + 2, 1, 1, wings[i]);
        c.fillRect(x, y - 2, 1, 5, TileCol(Timber, 0));
    }
    PaintGlints(c, 5, TileCol(Gold, 7), TileCol(Gold, 4), 441);
    return c;
}

Canvas LakeWater()
{
    Canvas c(TileSize, TileSize);
    PaintLiquid(c, Lake, TileCol(Marble, 7), 451);
    return c;
}

Canvas HayBale()
{
    Canvas c(TileSize, TileSize);
    ShadeFill(c, 0, 0, TileSize, TileSize, Gold, 3.6f, 2.0f, 461);
    Rng rng(462);
    for (int i = 0; i < 90; ++i) {  // straw
        const int x = rng.below(TileSize), y = rng.below(TileSize), len = 3 + rng.below(5);
        c.line(x, y, x + len, y + rng.below(3) - 1, TileCol(Gold, rng.below(2) ? 6 : 2));
    }
    for (int y : {16, 44}) {
        c.fillRect(0, y, TileSize, 3, TileCol(Timber, 1));
        c.fillRect(0, y, TileSize, 1, TileCol(Timber, 4));
    }
    Bevel(c, 0, 0, TileSize, TileSize, TileCol(Gold, 7), TileCol(Gold, 0));
    return c;
}

Canvas MarbleColumn()
{
    Canvas c(TileSize, TileSize);
    PaintColumn(c, 2, 60, Marble, 7, 2);
    for (int x = 10; x < 58; x += 8) c.fillRect(x, 0, 2, TileSize, TileCol(Marble, 3));  // fluting
    c.fillRect(0, 0, TileSize, 5, TileCol(Gold, 5));
    c.fillRect(0, 0, TileSize, 1, TileCol(Gold, 7));
    c.fillRect(0, 4, TileSize, 1, TileCol(Gold, 2));
    return c;
}

Canvas GardenArch()
{
    Canvas c(TileSize, TileSize);
    for (int x : {1, 57}) {
        PaintColumn(c, x, 6, Marble, 7, 2);
        // Ivy winding round the post.
        for (int y = 0; y < TileSize; y += 8) {
            c.fillEllipse(x + ((y / 8) % 2 ? 6 : 0), y + 3, 2, 1, TileCol(Meadow, 4));
            c.set(x + 3, y + 7, TileCol(Meadow, 2));
        }
    }
    Flower(c, 8, 20, TileCol(Blossom, 5));
    Flower(c, 56, 50, TileCol(Blossom, 6));
    return c;
}

}  // namespace

Canvas HomecomingTile(int digit)
{
    switch (digit) {
    case 1: return MeadowEarth();
    case 2: return Cobbles();
    case 3: return MarbleBlocks();
    case 4: return BlossomBranch();
    case 5: return Butterflies();
    case 6: return LakeWater();
    case 7: return HayBale();
    case 8: return MarbleColumn();
    case 9: return GardenArch();
    default: return Canvas(TileSize, TileSize);
    }
}
