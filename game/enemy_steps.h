#pragma once
// The steps of the enemy pass: one update per family and boss, the contact window and the sides,
// and every hit between the hero and the enemies.
#include <cstdint>

#include "game/enemies.h"
#include "game/enemy_places.h"

// One walking enemy's fields, wherever they are kept (a group entry or a chasing boss).
struct Walker {
    BlitterObject& object;
    int32_t& patrolCount;
    int32_t& contactPos;
    int32_t& nextFrame;
    int32_t& frameTicks;
};

Walker MemberWalker(EnemyGroup& group, int i);
Walker BossWalker(BossState& boss);

// Walk frames: the right range is 3 to 5, the left range 0 to 2.
constexpr int WalkLeftFirst = 0;
constexpr int WalkLeftEnd = 3;
constexpr int WalkRightFirst = 3;
constexpr int WalkRightEnd = 6;

// Every 8 frames shows nextFrame and advances it within [first, end).
void WalkFrameStep(Walker w, int first, int end);
// Patrol steps 1 to 6: out and back over halfLength - 1 pixels, one pixel a frame.
void PatrolStep(Walker w, int halfLength);
// The engaged strike: every period frames shows nextFrame; showing the ready frame lands a hit.
void EngagedStrike(Walker w, int period, bool onHeroLeft);

// Contact window and sides.
bool InContactWindow(int32_t contactPos);
bool StandsOnHeroLeft(int32_t contactPos);
// An engaged enemy on the hero's left stops him walking left; on his right, walking right.
void BlockBySide(bool onHeroLeft);
void RefreshEngagement(EnemyGroup& group, int count);
void RefreshEngagement(BossState& boss);

// Family and boss updates, each a whole step of the pass: hits, moves, engagement, y, drawing.
void UpdateWalkers(EnemyGroup& group, int count, int shotWindow, int strikePeriod,
                   const WalkerPlace* places);
enum class ShooterKind { Archer, SkelShoot };
void UpdateShooters(ShooterKind kind);
void UpdateFlyDroids();
void UpdateRDino();
void UpdateNinja();
void UpdateGroundDroid();
void UpdateDevil();

// Hits. The hero's shot first, against a group member or a boss.
enum class ShotEffect {
    ParkAndDeflect,  // the member is parked, the shot is moved out of reach and ends
    ParkOnly,        // the member is parked, the shot ends where it is
};
void HeroShotHits(EnemyGroup& group, int i, int window, ShotEffect effect);
void HeroShotHitsRDino();
void HeroShotHitsNinja();
void HeroShotHitsChaser(BossState& boss);

// An enemy projectile against the hero; true on a hit. lastPosition is 39, or 40 for SkelShoot.
bool ProjectileHitsHero(EnemyGroup& group, int i, int lastPosition);
bool RDinoProjectileHitsHero();
// One position j of the Ninja's test, for a throw to the left or to the right.
bool NinjaProjectileHitsHero(int j, bool throwsLeft);

void ParkEnemy(BlitterObject& object, int32_t& contactPos);
// A punch on a boss: 10 hit points, parked once they are gone.
void PunchBoss(BossState& boss);
// Every strike and projectile hit on the hero.
void ContactHit();
