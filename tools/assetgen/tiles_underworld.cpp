// Segment 4, the underworld: cracked basalt glowing from below, skull bricks, obsidian,
// hanging chains, drifting embers, lava, bone pillars and rune stones.
#include "rng.h"
#include "tile_painting.h"
#include "tiles_worlds.h"

using namespace under;

namespace {

// A crack that wanders down from (x, y), glowing hot at its heart.
void GlowingCrack(Canvas& c, int x, int y, int length, uint32_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < length; ++i) {
        c.set(x - 1, y, TileCol(Ember, 2));
        c.set(x + 1, y, TileCol(Ember, 2));
        c.set(x, y, TileCol(Lava, i % 5 == 0 ? 6 : 4));
        x += rng.below(3) - 1;
        ++y;
    }
}

void Skull(Canvas& c, int cx, int cy)
{
    c.fillEllipse(cx, cy, 6, 5, TileCol(Bone, 5));
    c.fillRect(cx - 3, cy + 4, 7, 4, TileCol(Bone, 4));
    c.fillEllipse(cx - 1, cy - 2, 3, 2, TileCol(Bone, 7));
    c.fillRect(cx - 4, cy, 3, 3, TileCol(Basalt, 0));
    c.fillRect(cx + 2, cy, 3, 3, TileCol(Basalt, 0));
    c.set(cx, cy + 4, TileCol(Basalt, 0));
    for (int x = cx - 2; x <= cx + 2; x += 2) c.set(x, cy + 7, TileCol(Basalt, 1));
}

Canvas CrackedBasalt()
{
    Canvas c(TileSize, TileSize);
    ShadeFill(c, 0, 0, TileSize, TileSize, Basalt, 3.0f, 3.2f, 301);
    GlowingCrack(c, 14, 4, 30, 302);
    GlowingCrack(c, 44, 26, 34, 303);
    c.fillRect(0, 0, TileSize, 2, TileCol(Basalt, 6));
    c.fillRect(0, 2, TileSize, 1, TileCol(Basalt, 4));
    return c;
}

Canvas SkullBricks()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Basalt, 32, 32, 3.0f, TileCol(Gore, 0), 311});
    Skull(c, 16, 14);
    Skull(c, 48, 46);
    return c;
}

Canvas Obsidian()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Crystal, 32, 16, 1.8f, TileCol(Basalt, 0), 321});
    // Glassy glints on the facets.
    for (int i = 0; i < 4; ++i) {
        const int x = 6 + i * 16, y = 4 + (i % 2) * 16 + (i / 2) * 32;
        c.line(x, y + 4, x + 4, y, TileCol(Crystal, 6));
    }
    return c;
}

Canvas Chains()
{
    Canvas c(TileSize, TileSize);
    for (int x : {14, 44}) {
        for (int y = 0; y < TileSize; y += 8) {
            // Links alternate between seen face-on (a ring) and edge-on (a bar).
            if ((y / 8) % 2) {
                c.rect(x - 2, y - 1, 5, 10, TileCol(Ash, 5));
                c.set(x - 2, y, TileCol(Ash, 7));
                c.fillRect(x + 2, y, 1, 8, TileCol(Ash, 2));
            } else {
                c.fillRect(x - 1, y, 2, 8, TileCol(Ash, 4));
                c.fillRect(x - 1, y, 1, 8, TileCol(Ash, 6));
            }
        }
    }
    c.fillPolygon({{28, 0}, {34, 0}, {31, 14}}, TileCol(Basalt, 3));  // a dripping stalactite
    c.set(31, 17, TileCol(Lava, 5));
    return c;
}

Canvas Embers()
{
    Canvas c(TileSize, TileSize);
    PaintGlints(c, 7, TileCol(Ember, 6), TileCol(Ember, 3), 341);
    PaintGlints(c, 5, TileCol(Sulfur, 6), TileCol(Lava, 2), 342);
    PaintGlints(c, 4, TileCol(Ash, 4), TileCol(Ash, 2), 343);
    return c;
}

Canvas LavaPool()
{
    Canvas c(TileSize, TileSize);
    PaintLiquid(c, Lava, TileCol(Sulfur, 7), 351);
    c.fillCircle(22, 40, 3, TileCol(Lava, 6));
    c.fillCircle(21, 39, 1, TileCol(Sulfur, 7));
    return c;
}

Canvas BonePillar()
{
    Canvas c(TileSize, TileSize);
    PaintColumn(c, 2, 60, Bone, 6, 1);
    for (int y = 0; y < TileSize; y += 16) {
        // Vertebra joints: a dark groove with a bulge above it.
        c.fillRect(2, y, 60, 2, TileCol(Bone, 0));
        c.fillRect(0, y + 2, TileSize, 3, TileCol(Bone, 5));
        c.fillRect(0, y + 2, TileSize, 1, TileCol(Bone, 7));
        c.fillRect(0, y + 5, TileSize, 1, TileCol(Bone, 2));
    }
    return c;
}

Canvas RuneStone()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Basalt, 64, 64, 2.4f, TileCol(Basalt, 0), 371});
    // Runes burning in the stone.
    const uint8_t glow = TileCol(Lava, 5);
    c.line(20, 14, 20, 30, glow, 2);
    c.line(20, 14, 28, 20, glow, 2);
    c.line(40, 12, 46, 30, glow, 2);
    c.line(46, 12, 40, 30, glow, 2);
    c.line(18, 42, 30, 42, glow, 2);
    c.line(24, 36, 24, 52, glow, 2);
    c.fillCircle(44, 46, 5, TileCol(Lava, 4));
    c.fillCircle(44, 46, 2, TileCol(Basalt, 1));
    return c;
}

Canvas BoneGate()
{
    Canvas c(TileSize, TileSize);
    for (int x : {1, 57}) {
        PaintColumn(c, x, 6, Bone, 6, 1);
        for (int y = 8; y < TileSize; y += 16) {
            c.fillEllipse(x + 3, y, 4, 2, TileCol(Bone, 5));
            c.set(x + 2, y - 1, TileCol(Bone, 7));
        }
    }
    return c;
}

}  // namespace

Canvas UnderworldTile(int digit)
{
    switch (digit) {
    case 1: return CrackedBasalt();
    case 2: return SkullBricks();
    case 3: return Obsidian();
    case 4: return Chains();
    case 5: return Embers();
    case 6: return LavaPool();
    case 7: return BonePillar();
    case 8: return RuneStone();
    case 9: return BoneGate();
    default: return Canvas(TileSize, TileSize);
    }
}
