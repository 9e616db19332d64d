#include "game/new_game.h"

#include "game/assets.h"
#include "game/enemies.h"
#include "game/hero.h"
#include "game/tile_set.h"
#include "game/world.h"

namespace {

void ClearHeroPose()
{
    if (ActionPose) {
        LoadBlitterAnimation(&HeroObject, AnimWalkRight, 4, HeroAnimTable[AnimWalkRight]);
        LoadBlitterAnimation(&HeroObject, AnimWalkLeft, 4, HeroAnimTable[AnimWalkLeft]);
        ActionPose = false;
    }
    WallAhead = false;
    PunchActive = false;
    BossPunched = false;
    ActionSoundPlayed = false;
    BlockWalkLeft = false;
    BlockWalkRight = false;
}

// As start-up shows him: the first picture of the walk to the right, its count at rest. A death or
// a win in mid-jump would otherwise leave the jump's picture on show until he walks.
void ShowHeroStanding()
{
    SetBlitterAnimation(&HeroObject, AnimWalkRight);
    HeroObject.currentFrame = HeroAnimTable[AnimWalkRight][0];
    HeroObject.animTicks = 0;
}

bool LaterTileSetShown()
{
    for (bool loaded : TileSetLoaded) {
        if (loaded) return true;
    }
    return false;
}

}  // namespace

void ClearHeroMotion()
{
    HeroJumping = false;
    JumpCounter = 25;
    JumpOffset = 0;
    LedgeContact = 0;
    StepDownActive = false;
    StepDownFrames = 0;
    ShotInFlight = false;
    HeroShotTravel = 0;
    ShotFlyingRight = false;
    ShotFlyingLeft = false;
    ShotBlocked = false;
}

void StartNewGame()
{
    if (WorldPosition != 0 || ViewOffsetY != 64) WorldReset();
    if (LaterTileSetShown()) {
        LoadTileSet(1);
        for (bool& loaded : TileSetLoaded) loaded = false;
    }
    HeroAmmo = 8;
    HeroHealth = 100;
    ClearHeroPose();
    ClearHeroMotion();
    ShowHeroStanding();
}
