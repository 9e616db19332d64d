// Every hit between the hero and the enemies. No test looks at pixels: positions are compared
// in WorldPosition units, floors through floorOffset and ViewOffsetY.
#include "game/assets.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"
#include "sound/sound.h"

namespace {

constexpr int HitDamage = 10;
constexpr int ShotDamage = 20;
constexpr int PunchDamage = 10;
constexpr int ShotReachOffset = 280;  // from the shot's screen x to the contact point
constexpr float ShotDeflection = 450.0f;
constexpr int ShotEndTravel = 440;    // the hero's shot ends at its next update
constexpr float ProjectileDeflection = 500.0f;
constexpr float NinjaRightDeflection = 1000.0f;
constexpr int ProjectileOvershoot = 100;  // carries a projectile past the hero it hit
constexpr int FloorHeight = 64;

// The hero's shot, widened by j, meets an enemy at contactPos on its floor.
bool ShotMeets(int32_t contactPos, int32_t floorOffset, int j) {
    const float s = HeroShotObject.posX - static_cast<float>(ShotReachOffset) +
                    static_cast<float>(WorldPosition) + static_cast<float>(j);
    return s == static_cast<float>(contactPos) && ViewOffsetY == floorOffset;
}

// A standing hero is hit on his own floor; a jumping one by projectiles one floor above him.
bool ReachesHero(int32_t p, int32_t floorOffset) {
    if (p != WorldPosition) return false;
    if (JumpOffset == 0) return floorOffset == ViewOffsetY;
    return floorOffset == ViewOffsetY - FloorHeight;
}

void BossShotDamage(BossState& boss) {
    boss.hitPoints -= ShotDamage;
    if (boss.hitPoints <= 0) ParkEnemy(boss.object, boss.contactPos);
}

}  // namespace

void ParkEnemy(BlitterObject& object, int32_t& contactPos) {
    object.posX -= static_cast<float>(ParkDistance);
    contactPos -= ParkDistance;
}

void ContactHit() {
    HeroHealth -= HitDamage;
    PlaySoundSlot(HitSound, 0);
}

void HeroShotHits(EnemyGroup& group, int i, int window, ShotEffect effect) {
    for (int j = 0; j < window; ++j) {
        if (!ShotMeets(group.contactPos[i], group.floorOffset[i], j)) continue;
        ParkEnemy(group.objects[i], group.contactPos[i]);
        if (effect == ShotEffect::ParkAndDeflect) HeroShotObject.posX += ShotDeflection;
        HeroShotTravel = ShotEndTravel;
    }
}

// The shot flies on, out of reach; its travel is left alone.
void HeroShotHitsRDino() {
    for (int j = 0; j < 11; ++j) {
        if (!ShotMeets(RDino.contactPos, RDino.floorOffset, j)) continue;
        RDino.hitPoints -= ShotDamage;
        if (RDino.hitPoints <= 0) {
            ParkEnemy(RDino.object, RDino.contactPos);
            RDino.projectile.posX += static_cast<float>(ParkDistance);
        }
        HeroShotObject.posX += ShotDeflection;
    }
}

// The shot ends where it is, so it may still hit an enemy later in the pass.
void HeroShotHitsNinja() {
    for (int j = 0; j < 11; ++j) {
        if (!ShotMeets(Ninja.contactPos, Ninja.floorOffset, j)) continue;
        Ninja.hitPoints -= ShotDamage;
        HeroShotTravel = ShotEndTravel;
        if (Ninja.hitPoints <= 0) ParkEnemy(Ninja.object, Ninja.contactPos);
    }
}

void HeroShotHitsChaser(BossState& boss) {
    for (int j = 0; j < 16; ++j) {
        if (!ShotMeets(boss.contactPos, boss.floorOffset, j)) continue;
        BossShotDamage(boss);
        HeroShotObject.posX += ShotDeflection;
        HeroShotTravel = ShotEndTravel;
    }
}

bool ProjectileHitsHero(EnemyGroup& group, int i, int lastPosition) {
    for (int j = 0; j <= lastPosition; ++j) {
        const int32_t p = group.contactPos[i] - (group.shotTravel[i] + j);
        if (!ReachesHero(p, group.floorOffset[i])) continue;
        group.shots[i].posX -= ProjectileDeflection;
        group.shotTravel[i] += ProjectileOvershoot;
        ContactHit();
        return true;
    }
    return false;
}

// The RDino's projectile cannot be jumped over: it hits on floor 256 or any jumping hero.
bool RDinoProjectileHitsHero() {
    for (int j = 0; j < 40; ++j) {
        const int32_t p = RDino.contactPos - (RDino.shotTravel + j);
        if (p != WorldPosition || (ViewOffsetY != 256 && JumpOffset == 0)) continue;
        RDino.projectile.posX -= ProjectileDeflection;
        RDino.shotTravel += ProjectileOvershoot;
        ContactHit();
        return true;
    }
    return false;
}

bool NinjaProjectileHitsHero(int j, bool throwsLeft) {
    const int32_t origin = Ninja.contactPos - FloorHeight;
    const int32_t p = throwsLeft ? origin - (Ninja.shotTravel + j) : origin + (Ninja.shotTravel - j);
    if (!ReachesHero(p, Ninja.floorOffset)) return false;
    if (throwsLeft) {
        Ninja.projectile.posX -= ProjectileDeflection;
    } else {
        Ninja.projectile.posX += JumpOffset == 0 ? -NinjaRightDeflection : NinjaRightDeflection;
    }
    Ninja.shotTravel += ProjectileOvershoot;
    ContactHit();
    return true;
}

void PunchBoss(BossState& boss) {
    boss.hitPoints -= PunchDamage;
    if (boss.hitPoints <= 0) ParkEnemy(boss.object, boss.contactPos);
}
