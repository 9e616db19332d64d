// Segment 3, the military base: steel grating, concrete, armour plate, cables and
// warning lights, barbed wire, acid, ammunition crates and hazard barriers.
#include "tile_painting.h"
#include "tiles_worlds.h"

using namespace base;

namespace {

void Rivet(Canvas& c, int x, int y)
{
    c.set(x, y, TileCol(Steel, 6));
    c.set(x + 1, y + 1, TileCol(Steel, 1));
    c.set(x + 1, y, TileCol(Steel, 4));
    c.set(x, y + 1, TileCol(Steel, 4));
}

Canvas Grating()
{
    Canvas c(TileSize, TileSize);
    ShadeFill(c, 0, 0, TileSize, TileSize, Steel, 3.5f, 1.5f, 201);
    // Diamond tread plate.
    for (int y = 0; y < TileSize; y += 8)
        for (int x = (y / 8) % 2 * 4; x < TileSize; x += 8) {
            c.line(x, y + 3, x + 3, y, TileCol(Steel, 6));
            c.line(x + 1, y + 4, x + 4, y + 1, TileCol(Steel, 1));
        }
    Bevel(c, 0, 0, TileSize, TileSize, TileCol(Steel, 6), TileCol(Steel, 0));
    c.fillRect(0, 1, TileSize, 3, TileCol(Hazard, 4));
    for (int x = 0; x < TileSize; x += 8) c.fillRect(x, 1, 4, 3, TileCol(Concrete, 0));
    return c;
}

Canvas ConcreteBlocks()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Concrete, 32, 32, 3.8f, TileCol(Concrete, 1), 211});
    c.line(40, 36, 46, 44, TileCol(Concrete, 1));
    c.line(46, 44, 44, 52, TileCol(Concrete, 1));
    c.line(10, 6, 16, 12, TileCol(Concrete, 2));
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x)
            if (Noise(x, y, 8, 212) > 0.78f) c.set(x, y, TileCol(Rust, 2 + (x + y) % 2));  // stains
    return c;
}

Canvas ArmourPlate()
{
    Canvas c(TileSize, TileSize);
    for (int by = 0; by < TileSize; by += 32)
        for (int bx = 0; bx < TileSize; bx += 32) {
            ShadeFill(c, bx, by, 32, 32, Steel, 2.6f + (bx + by) / 64.0f, 1.6f, 221);
            Bevel(c, bx, by, 32, 32, TileCol(Steel, 5), TileCol(Steel, 0));
            Rivet(c, bx + 3, by + 3);
            Rivet(c, bx + 27, by + 3);
            Rivet(c, bx + 3, by + 27);
            Rivet(c, bx + 27, by + 27);
        }
    return c;
}

Canvas CablesAndLights()
{
    Canvas c(TileSize, TileSize);
    PaintStrand(c, 12, 64, TileCol(Steel, 4), 0, 0, 0, 231);
    PaintStrand(c, 15, 64, TileCol(Hazard, 3), 0, 0, 0, 232);
    PaintStrand(c, 48, 30, TileCol(Steel, 5), 0, 0, 0, 233);
    c.fillRect(45, 30, 7, 4, TileCol(Steel, 3));
    c.fillEllipse(48, 36, 3, 3, TileCol(Signal, 5));
    c.set(47, 35, TileCol(Signal, 7));
    for (int y = 26; y < 47; ++y)  // the warning lamp's glow, dithered
        for (int x = 38; x < 59; ++x)
            if ((x - 48) * (x - 48) + (y - 36) * (y - 36) < 100 && (x + y) % 2 == 0 && c.get(x, y) == 0)
                c.set(x, y, TileCol(Signal, 1));
    return c;
}

Canvas BarbedWire()
{
    Canvas c(TileSize, TileSize);
    for (int y : {40, 52}) {
        for (int x = 0; x < TileSize; ++x) c.set(x, y + (x / 3) % 2, TileCol(Steel, 4));
        for (int x = 4; x < TileSize; x += 16) {
            c.line(x - 2, y - 2, x + 2, y + 3, TileCol(Steel, 6));
            c.line(x + 2, y - 2, x - 2, y + 3, TileCol(Steel, 6));
        }
    }
    PaintGlints(c, 5, TileCol(Glass, 6), TileCol(Glass, 2), 241);
    c.set(50, 10, TileCol(Signal, 6));
    return c;
}

Canvas AcidPool()
{
    Canvas c(TileSize, TileSize);
    PaintLiquid(c, Acid, TileCol(Acid, 7), 251);
    for (int i = 0; i < 4; ++i) c.fillCircle(10 + i * 15, 12 + (i * 23) % 40, 1 + i % 2, TileCol(Acid, 6));
    return c;
}

Canvas AmmoCrate()
{
    Canvas c(TileSize, TileSize);
    PaintCrate(c, Drab, TileCol(Steel, 0), 261);
    // A stencilled star.
    c.fillPolygon({{32, 17}, {36, 28}, {47, 28}, {38, 35}, {42, 46}, {32, 39}, {22, 46}, {26, 35}, {17, 28}, {28, 28}},
                  TileCol(Drab, 7));
    return c;
}

Canvas HazardBarrier()
{
    Canvas c(TileSize, TileSize);
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x)
            c.set(x, y, ((x + y) / 8) % 2 ? TileCol(Hazard, 5 - (x + y) % 8 / 6) : TileCol(Concrete, 0));
    for (int x : {0, 56}) {
        PaintColumn(c, x, 8, Steel, 6, 1);
    }
    c.fillRect(0, 28, TileSize, 8, TileCol(Steel, 3));
    c.fillRect(0, 28, TileSize, 1, TileCol(Steel, 6));
    c.fillRect(0, 35, TileSize, 1, TileCol(Steel, 0));
    return c;
}

Canvas GirderPosts()
{
    Canvas c(TileSize, TileSize);
    for (int x : {1, 57}) {
        PaintColumn(c, x, 6, Steel, 6, 1);
        c.fillRect(x + 2, 0, 2, TileSize, TileCol(Steel, 2));  // the web of the I-beam
        for (int y = 6; y < TileSize; y += 16) Rivet(c, x + 2, y);
    }
    c.fillRect(7, 0, 50, 2, TileCol(Hazard, 4));  // a cross beam striped in warning paint
    for (int x = 7; x < 57; x += 8) c.fillRect(x, 0, 4, 2, TileCol(Concrete, 0));
    return c;
}

}  // namespace

Canvas BaseTile(int digit)
{
    switch (digit) {
    case 1: return Grating();
    case 2: return ConcreteBlocks();
    case 3: return ArmourPlate();
    case 4: return CablesAndLights();
    case 5: return BarbedWire();
    case 6: return AcidPool();
    case 7: return AmmoCrate();
    case 8: return HazardBarrier();
    case 9: return GirderPosts();
    default: return Canvas(TileSize, TileSize);
    }
}
