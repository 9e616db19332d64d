// Flying droids: hover up and down and fire one projectile at the top and at the bottom of each
// hover; while the hero is in contact they do neither.
#include "display/display.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

constexpr int HoverSteps = 30;  // 2-pixel steps between the lowest and the highest point
constexpr float HoverStep = 2.0f;
constexpr int ShotSpeed = 8;
constexpr int ShotRange = 260;
constexpr int LoosingTravel = 40;

// Ends a hover at its top or bottom: the projectile flies at the firing height, and the droid
// counts as standing on the firing floor until the next one.
void StartFiring(int i, int yBase, int floor) {
    FlyDroid.shotActive[i] = 1;
    FlyDroid.shots[i].posY = static_cast<float>(yBase - ViewOffsetY);
    FlyDroid.floorOffset[i] = floor;
}

void Hover(int i) {
    const FlyDroidPlace& place = FlyDroidPlaces[i];
    if (FlyDroid.bobDown[i]) {
        FlyDroid.objects[i].posY += HoverStep;
        FlyDroid.bobSteps[i] -= 1;
        if (FlyDroid.bobSteps[i] == 0) {
            FlyDroid.bobDown[i] = 0;
            StartFiring(i, place.bottomYBase, place.bottomFloor);
        }
    } else {
        FlyDroid.objects[i].posY -= HoverStep;
        FlyDroid.bobSteps[i] += 1;
        if (FlyDroid.bobSteps[i] == HoverSteps) {
            FlyDroid.bobDown[i] = 1;
            StartFiring(i, place.topYBase, place.topFloor);
        }
    }
}

void Fire(int i) {
    FlyDroid.objects[i].currentFrame = 0;
    FlyDroid.nextFrame[i] = 0;
    if (FlyDroid.shotTravel[i] < ShotRange) {
        if (FlyDroid.shotTravel[i] < LoosingTravel) {
            FlyDroid.objects[i].currentFrame = 1;
            FlyDroid.nextFrame[i] = 1;
        }
        FlyDroid.shots[i].posX -= static_cast<float>(ShotSpeed);
        FlyDroid.shotTravel[i] += ShotSpeed;
        DrawBlitterObject(&FlyDroid.shots[i], TheDisplay.backSurface);
    } else {
        FlyDroid.shotTravel[i] = 0;
        FlyDroid.shots[i].posX = FlyDroid.objects[i].posX;
        FlyDroid.shotActive[i] = 0;
    }
    ProjectileHitsHero(FlyDroid, i, 39);
}

}  // namespace

void UpdateFlyDroids() {
    for (int i = 0; i < FlyDroidCount; ++i) {
        if (ShotInFlight) HeroShotHits(FlyDroid, i, 11, ShotEffect::ParkAndDeflect);
        if (!FlyDroid.engaged[i]) {
            if (!FlyDroid.shotActive[i]) Hover(i);
            if (FlyDroid.shotActive[i]) Fire(i);
            continue;
        }
        BlockBySide(StandsOnHeroLeft(FlyDroid.contactPos[i]));
        if (PunchActive) {
            ParkEnemy(FlyDroid.objects[i], FlyDroid.contactPos[i]);
            FlyDroid.shots[i].posX += ParkDistance;
        }
    }
    RefreshEngagement(FlyDroid, FlyDroidCount);
    for (int i = 0; i < FlyDroidCount; ++i) DrawBlitterObject(&FlyDroid.objects[i], TheDisplay.backSurface);
}
