// The RDino: stands at the end of segment 1, fires low along the ground and strikes in contact.
#include "display/display.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

constexpr int RelaunchTravel = 500;
constexpr int ShotSpeed = 5;
constexpr int LoosingTravel = 40;
constexpr int StrikePeriod = 12;

void FiringStep() {
    RDino.object.currentFrame = 0;
    RDino.strikeFrame = 0;
    if (RDino.shotTravel >= RelaunchTravel) {
        RDino.shotTravel = 0;
        RDino.projectile.posX = RDino.object.posX;
    } else {
        if (RDino.shotTravel < LoosingTravel) {
            RDino.object.currentFrame = 1;
            RDino.strikeFrame = 1;
        }
        RDino.projectile.posX -= static_cast<float>(ShotSpeed);
        RDino.shotTravel += ShotSpeed;
        RDino.projectile.posY = static_cast<float>(RDinoShotYBase - ViewOffsetY);
        DrawBlitterObject(&RDino.projectile, TheDisplay.backSurface);
    }
    RDinoProjectileHitsHero();
}

// Only from the hero's right does the RDino block him and strike; the projectile rests meanwhile.
void EngagedStep() {
    const bool onHeroRight = RDino.contactPos > WorldPosition + 25;
    if (onHeroRight) {
        BlockWalkRight = true;
        BlockWalkLeft = false;
    }
    if (PunchActive) {
        if (!onHeroRight) RDino.projectile.posX += static_cast<float>(ParkDistance);
        PunchBoss(RDino);
        BossPunched = true;
        return;
    }
    if (!onHeroRight) return;
    RDino.frameTicks += 1;
    if (RDino.frameTicks < StrikePeriod) return;
    RDino.frameTicks = 0;
    RDino.object.currentFrame = RDino.strikeFrame;
    if (RDino.strikeFrame == 0) {
        RDino.strikeFrame = 1;
        ContactHit();
    } else {
        RDino.strikeFrame = 0;
    }
}

}  // namespace

void UpdateRDino() {
    if (ShotInFlight) HeroShotHitsRDino();
    if (RDino.engaged) {
        EngagedStep();
    } else {
        FiringStep();
    }
    RefreshEngagement(RDino);
    RDino.object.posY = static_cast<float>(RDinoPlace.yBase - ViewOffsetY);
    RDino.floorOffset = RDinoPlace.floorOffset;
    DrawBlitterObject(&RDino.object, TheDisplay.backSurface);
}
