// The map cells ahead of the hero and of his shot, tested at the end of a frame for the next.
#include "game/assets.h"
#include "game/hero.h"
#include "game/hero_position.h"
#include "game/level_map.h"
#include "game/world.h"

namespace {

// Rounds toward minus infinity, so that a point left of the map's edge lies outside the map.
int FloorDiv(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

// The column that a shot flying (or about to fly) left or right is entering.
int ShotColumn()
{
    const bool left = ShotFlyingLeft || (!ShotFlyingRight && HeroObject.currentAnim == AnimWalkLeft);
    if (left) return FloorDiv(WorldPosition - HeroShotTravel - 20, TileSize) + HeroScreenColumn;
    return (WorldPosition + HeroShotTravel + 20) / TileSize + HeroScreenColumn;
}

}  // namespace

void HeroTileTests()
{
    WallAhead = IsWallDigit(MapCell(HeroTileRow, HeroWallColumn));
    ShotBlocked = IsShotStopDigit(MapCell(HeroTileRow, ShotColumn()));
}
