// Shooters: each member looses its one projectile to the left, again and again, while the hero
// is away; in contact it only keeps the projectile out of the way.
#include "display/display.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

constexpr int RelaunchTravel = 600;
constexpr int FastSpeed = 8;
constexpr int SlowSpeed = 5;
constexpr int SpeedFlipTravel = 40;  // a SkelShoot projectile changes speed here

struct ShooterRules {
    EnemyGroup& group;
    const ShooterPlace* places;
    int count;
    int lastPosition;      // of the projectile-hero test, and of the loosing pose's travel
    float engagedShift;    // moves the projectile away in every engaged frame
    bool flipsSpeed;
};

ShooterRules RulesOf(ShooterKind kind) {
    if (kind == ShooterKind::Archer) return {Archer, ArcherPlaces, ArcherCount, 39, -400.0f, false};
    return {SkelShoot, SkelShootPlaces, SkelShootCount, 40, 400.0f, true};
}

int ShotSpeed(const ShooterRules& rules, int i) {
    if (rules.flipsSpeed) return rules.group.shotSlow[i] ? SlowSpeed : FastSpeed;
    return i == 0 ? FastSpeed : SlowSpeed;  // the first archer shoots faster
}

void FlipSpeed(EnemyGroup& group, int i) {
    group.shotSlow[i] = group.shotSlow[i] ? 0 : 1;
}

void FiringStep(const ShooterRules& rules, int i) {
    EnemyGroup& group = rules.group;
    group.objects[i].currentFrame = 0;
    group.nextFrame[i] = 0;
    if (group.shotTravel[i] >= RelaunchTravel) {
        group.shotTravel[i] = 0;
        group.shots[i].posX = group.objects[i].posX;
    } else {
        if (group.shotTravel[i] <= rules.lastPosition) {
            group.objects[i].currentFrame = 1;
            group.nextFrame[i] = 1;
        }
        const int speed = ShotSpeed(rules, i);
        group.shots[i].posX -= static_cast<float>(speed);
        group.shotTravel[i] += speed;
        for (int k = 0; k < rules.count; ++k)
            group.shots[k].posY = static_cast<float>(rules.places[k].yBase - ViewOffsetY);
        DrawBlitterObject(&group.shots[i], TheDisplay.backSurface);
    }
    if (ProjectileHitsHero(group, i, rules.lastPosition) && rules.flipsSpeed) FlipSpeed(group, i);
    if (rules.flipsSpeed && group.shotTravel[i] == SpeedFlipTravel) FlipSpeed(group, i);
}

}  // namespace

void UpdateShooters(ShooterKind kind) {
    const ShooterRules rules = RulesOf(kind);
    EnemyGroup& group = rules.group;
    for (int i = 0; i < rules.count; ++i) {
        if (ShotInFlight) {
            HeroShotHits(group, i, 11,
                         kind == ShooterKind::Archer ? ShotEffect::ParkOnly : ShotEffect::ParkAndDeflect);
        }
        if (!group.engaged[i]) {
            FiringStep(rules, i);
            continue;
        }
        BlockBySide(StandsOnHeroLeft(group.contactPos[i]));
        group.shots[i].posX += rules.engagedShift;
        if (PunchActive) ParkEnemy(group.objects[i], group.contactPos[i]);
    }
    RefreshEngagement(group, rules.count);
    for (int i = 0; i < rules.count; ++i) {
        group.objects[i].posY = static_cast<float>(rules.places[i].yBase - ViewOffsetY);
        group.floorOffset[i] = rules.places[i].floorOffset;
    }
    for (int i = 0; i < rules.count; ++i) DrawBlitterObject(&group.objects[i], TheDisplay.backSurface);
}
