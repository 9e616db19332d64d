// The hero's shot in flight: 10 pixels a frame in the direction he faced when it left, for at
// most 450 pixels; its unit of ammunition is taken when the flight ends.
#include "display/display.h"
#include "game/assets.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

constexpr int ShotStep = 10;
constexpr int ShotRange = 450;
constexpr int ShotLastStep = ShotRange - ShotStep;

// One frame of flight; startX is where the shot leaves the hero, direction +1 or -1.
void Fly(bool& flying, float startX, int direction)
{
    if (HeroShotTravel == 0) {
        HeroShotObject.posX = startX;
        HeroShotObject.posY = 255;
    }
    if (ShotBlocked) {
        HeroShotTravel = ShotLastStep;
        ShotBlocked = false;
    }
    flying = true;
    DrawBlitterObject(&HeroShotObject, TheDisplay.backSurface);
    HeroShotObject.posX += static_cast<float>(direction * ShotStep);
    HeroShotTravel += ShotStep;
    if (HeroShotTravel >= ShotRange) {
        HeroAmmo -= 1;
        flying = false;
        HeroShotTravel = 0;
        ShotInFlight = false;
    }
}

}  // namespace

void HeroShotStep()
{
    if (!ShotInFlight) return;
    if (HeroObject.currentAnim != AnimWalkLeft && !ShotFlyingLeft) Fly(ShotFlyingRight, 350, 1);
    if (ShotInFlight && HeroObject.currentAnim != AnimWalkRight && !ShotFlyingRight) Fly(ShotFlyingLeft, 280, -1);
}
