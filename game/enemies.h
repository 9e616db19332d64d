#pragma once
// The enemy roster: eight groups of identical members and four bosses, the state kept beside
// each sprite, their placement and the world reset.
#include <cstdint>

#include "blitter/blitter_object.h"

constexpr int GroupCapacity = 100;
constexpr int ShiftedEntries = 24;   // every member of every group lies in the first 24 entries
constexpr int ContactWindow = 99;
constexpr int ParkDistance = 10000;

struct EnemyGroup {
    BlitterObject objects[GroupCapacity];
    BlitterObject shots[GroupCapacity];
    union {
        int32_t patrolCount[GroupCapacity];  // walkers
        int32_t shotTravel[GroupCapacity];   // shooters: the same table
    };
    int32_t contactPos[GroupCapacity];
    int32_t floorOffset[GroupCapacity];
    int32_t nextFrame[GroupCapacity];
    int32_t frameTicks[GroupCapacity];
    uint8_t engaged[GroupCapacity];
    int32_t shotSlow[GroupCapacity];
    uint8_t shotActive[GroupCapacity];
    uint8_t bobDown[GroupCapacity];
    int32_t bobSteps[GroupCapacity];
};

struct BossState {
    BlitterObject object;
    BlitterObject projectile;
    int32_t shotTravel;
    int32_t patrolCount;
    int32_t contactPos;
    int32_t floorOffset;
    int32_t hitPoints;
    int32_t nextFrame;
    int32_t strikeFrame;
    int32_t frameTicks;
    uint8_t engaged;
    uint8_t chaseLeftPending;
    uint8_t chaseRightPending;
};

extern EnemyGroup Barb;
extern EnemyGroup Dino;
extern EnemyGroup Pirate;
extern EnemyGroup Archer;
extern EnemyGroup ArmyMan;
extern EnemyGroup FlyDroid;
extern EnemyGroup SkelGround;
extern EnemyGroup SkelShoot;

extern BossState RDino;
extern BossState Ninja;
extern BossState GroundDroid;
extern BossState Devil;

extern uint8_t NinjaThrowsLeft;

// Members per group kind.
constexpr int BarbCount = 4;
constexpr int DinoCount = 14;
constexpr int PirateCount = 16;
constexpr int ArcherCount = 10;
constexpr int ArmyManCount = 19;
constexpr int FlyDroidCount = 10;
constexpr int SkelGroundCount = 24;
constexpr int SkelShootCount = 12;

void PlaceAllEnemies();
int WorldReset();
void RunEnemyPass();
