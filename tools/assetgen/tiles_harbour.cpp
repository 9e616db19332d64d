// Segment 2, the pirate harbour and fortress: docks, brick and stone, lanterns and
// bunting, the sea, crates and barrels.
#include <cmath>

#include "tile_painting.h"
#include "tiles_worlds.h"

using namespace harbour;

namespace {

Canvas Dock()
{
    Canvas c(TileSize, TileSize);
    PaintPlanks(c, Plank, 16, 101);
    // Iron bands bolted across the planks every half tile.
    for (int x : {14, 46}) {
        c.fillRect(x, 0, 4, TileSize, TileCol(Iron, 3));
        c.fillRect(x, 0, 1, TileSize, TileCol(Iron, 5));
        for (int y = 8; y < TileSize; y += 16) c.set(x + 2, y, TileCol(Iron, 7));
    }
    return c;
}

Canvas FortressBricks()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Brick, 32, 16, 3.6f, TileCol(Stone, 2), 111});
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x)
            if (Noise(x, y, 4, 112) > 0.8f && c.get(x, y) != TileCol(Stone, 2))
                c.set(x, y, TileCol(Brick, 1 + (x ^ y) % 2));  // soot and wear
    return c;
}

Canvas CutStone()
{
    Canvas c(TileSize, TileSize);
    PaintMasonry(c, {Stone, 32, 32, 3.4f, TileCol(Iron, 0), 121});
    // Sea weed hangs from the joints.
    for (int x = 0; x < TileSize; x += 5)
        if (Noise(x, 0, 8, 122) > 0.5f) c.fillRect(x, 32, 1, 2 + (x * 7) % 5, TileCol(Weed, 3));
    return c;
}

Canvas Lantern()
{
    Canvas c(TileSize, TileSize);
    c.fillRect(30, 0, 1, 26, TileCol(Rope, 3));
    for (int y = 18; y < 58; ++y)
        for (int x = 12; x < 50; ++x) {
            const float d = std::hypot(x - 30.5f, y - 38.0f) / 19.0f;
            if (d < 1.0f && (x + y) % 2 == 0 && d > 0.45f) c.set(x, y, TileCol(Lamp, d < 0.7f ? 1 : 0));
        }
    c.fillRect(24, 26, 14, 3, TileCol(Iron, 4));
    c.fillRect(25, 29, 12, 16, TileCol(Iron, 2));
    c.fillRect(27, 30, 8, 14, TileCol(Lamp, 5));
    c.fillRect(29, 33, 4, 8, TileCol(Lamp, 7));
    c.fillRect(30, 29, 2, 16, TileCol(Iron, 3));
    c.fillRect(24, 45, 14, 3, TileCol(Iron, 4));
    return c;
}

Canvas Bunting()
{
    Canvas c(TileSize, TileSize);
    const uint8_t flags[] = {TileCol(Brick, 5), TileCol(Lamp, 5), TileCol(Sea, 5), TileCol(Stone, 7)};
    auto lineY = [](int x) { return 10 + static_cast<int>(std::lround(7 * std::sin(3.14159f * x / TileSize))); };
    for (int x = 0; x < TileSize; ++x) c.set(x, lineY(x), TileCol(Rope, 4));
    for (int i = 0; i < 4; ++i) {
        const int x = 4 + i * 16, y = lineY(x + 5);
        c.fillPolygon({{x, y}, {x + 10, y}, {x + 5, y + 11}}, flags[i]);
        c.line(x, y, x + 10, y, TileCol(Rope, 6));
    }
    c.set(12, 44, TileCol(Stone, 7));
    c.set(50, 36, TileCol(Lamp, 6));
    c.set(36, 56, TileCol(Stone, 5));
    return c;
}

Canvas SeaWater()
{
    Canvas c(TileSize, TileSize);
    PaintLiquid(c, Sea, TileCol(Stone, 7), 131);
    return c;
}

Canvas Crate()
{
    Canvas c(TileSize, TileSize);
    PaintCrate(c, Plank, TileCol(Iron, 0), 141);
    return c;
}

Canvas Barrel()
{
    Canvas c(TileSize, TileSize);
    PaintColumn(c, 0, TileSize, Plank, 6, 1);
    for (int x = 8; x < TileSize; x += 12) c.fillRect(x, 0, 1, TileSize, TileCol(Plank, 1));  // staves
    for (int y : {6, 54}) {
        c.fillRect(0, y, TileSize, 5, TileCol(Iron, 3));
        c.fillRect(0, y, TileSize, 1, TileCol(Iron, 6));
        c.fillRect(0, y + 4, TileSize, 1, TileCol(Iron, 1));
    }
    c.fillRect(28, 28, 8, 8, TileCol(Plank, 1));  // bung
    c.fillRect(29, 29, 6, 6, TileCol(Plank, 3));
    return c;
}

Canvas MooringPosts()
{
    Canvas c(TileSize, TileSize);
    for (int x : {1, 57}) {
        PaintColumn(c, x, 6, Plank, 6, 1);
        c.fillRect(x - 1, 20, 8, 5, TileCol(Rope, 4));
        c.fillRect(x - 1, 20, 8, 1, TileCol(Rope, 6));
        c.fillRect(x - 1, 24, 8, 1, TileCol(Rope, 1));
    }
    c.line(7, 22, 56, 30, TileCol(Rope, 4));  // a slack rope between the posts
    return c;
}

}  // namespace

Canvas HarbourTile(int digit)
{
    switch (digit) {
    case 1: return Dock();
    case 2: return FortressBricks();
    case 3: return CutStone();
    case 4: return Lantern();
    case 5: return Bunting();
    case 6: return SeaWater();
    case 7: return Crate();
    case 8: return Barrel();
    case 9: return MooringPosts();
    default: return Canvas(TileSize, TileSize);
    }
}
