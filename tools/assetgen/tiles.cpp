#include "tiles.h"

#include "tile_painting.h"
#include "tiles_worlds.h"

Canvas DrawTile(int segment, int digit)
{
    if (digit <= 0 || digit >= TileDigits) return Canvas(TileSize, TileSize);
    switch (segment) {
    case 1: return JungleTile(digit);
    case 2: return HarbourTile(digit);
    case 3: return BaseTile(digit);
    case 4: return UnderworldTile(digit);
    default: return HomecomingTile(digit);
    }
}
