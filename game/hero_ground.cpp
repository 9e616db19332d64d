// The hero's ground contact at the end of every frame: standing, stepping down one row (and
// settling onto it), falling into a pit, or touching a ledge during a jump.
#include "game/assets.h"
#include "game/hero.h"
#include "game/hero_position.h"
#include "game/level_map.h"
#include "game/world.h"
#include "input/frame_clock.h"

int HeroTileRow = HeroScreenRow + 1;
int HeroWallColumn = HeroScreenColumn;

namespace {

constexpr int StepDownShift = 40;
constexpr int SettleFrames = 8;
constexpr int SettleStep = 8;
constexpr int PitDrop = 128;

int FeetColumn()
{
    if (HeroObject.currentAnim == AnimWalkLeft) return WorldPosition / TileSize + HeroScreenColumn;
    return (WorldPosition - 5) / TileSize + HeroScreenColumn;
}

void StepDown()
{
    // A step down during the settling of the previous one starts from the settled height, so
    // that the hero ends on the ground.
    if (StepDownActive) HeroObject.posY += static_cast<float>(SettleStep * (SettleFrames - StepDownFrames));
    StepDownActive = true;
    StepDownFrames = 0;
    ViewOffsetY += TileSize;
    HeroObject.posY -= TileSize;
    if (HeroObject.currentAnim == AnimWalkRight) {
        WorldPosition += StepDownShift;
        ShiftWorldObjectsX(StepDownShift);
    } else if (HeroObject.currentAnim == AnimWalkLeft) {
        WorldPosition -= StepDownShift;
        ShiftWorldObjectsX(-StepDownShift);
    }
    ShiftWorldObjectsY(TileSize);
}

}  // namespace

void LocateHero()
{
    HeroTileRow = HeroScreenRow + (ViewOffsetY + JumpOffset) / TileSize;
    if (HeroObject.currentAnim == AnimWalkLeft) {
        HeroWallColumn = (WorldPosition - 20) / TileSize + HeroScreenColumn;
    } else {
        HeroWallColumn = (WorldPosition + 20) / TileSize + HeroScreenColumn;
    }
}

void HeroGroundStep()
{
    LocateHero();
    const int feetRow = HeroTileRow + 1;
    const int feetColumn = FeetColumn();

    if (StepDownActive) {
        SleepMilliseconds(1);
        HeroObject.posY += SettleStep;
        if (++StepDownFrames == SettleFrames) {
            StepDownFrames = 0;
            StepDownActive = false;
        }
    }

    if (!HeroJumping) {
        if (IsGroundDigit(MapCell(feetRow, feetColumn))) return;
        if (IsGroundDigit(MapCell(feetRow + 1, feetColumn))) {
            StepDown();
        } else {
            HeroObject.posY += PitDrop;
            HeroHealth = 0;
        }
    } else if (IsGroundDigit(MapCell(feetRow, feetColumn))) {
        LedgeContact = 2000;
    }
}
