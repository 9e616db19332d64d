#pragma once
// Where every enemy starts: one row per group member in member order, and one row per boss.
// The y base is the screen y the enemy has when ViewOffsetY is 0.
#include "game/enemies.h"

struct WalkerPlace {
    int worldX;
    int contactPos;
    int yBase;
    int floorOffset;
    int halfLength;  // patrolCount turns over from this value to -(halfLength - 1)
};

struct ShooterPlace {
    int worldX;
    int contactPos;
    int yBase;
    int floorOffset;
};

// A droid's projectile flies at the firing y base; the droid takes the firing floor when it fires.
struct FlyDroidPlace {
    int worldX;
    int contactPos;
    int startYBase;
    int startFloor;
    int topYBase;
    int topFloor;
    int bottomYBase;
    int bottomFloor;
};

struct BossPlace {
    int worldX;
    int contactPos;
    int yBase;
    int floorOffset;
};

extern const WalkerPlace BarbPlaces[BarbCount];
extern const WalkerPlace DinoPlaces[DinoCount];
extern const WalkerPlace PiratePlaces[PirateCount];
extern const WalkerPlace ArmyManPlaces[ArmyManCount];
extern const WalkerPlace SkelGroundPlaces[SkelGroundCount];
extern const ShooterPlace ArcherPlaces[ArcherCount];
extern const ShooterPlace SkelShootPlaces[SkelShootCount];
extern const FlyDroidPlace FlyDroidPlaces[FlyDroidCount];

extern const BossPlace RDinoPlace;
extern const BossPlace NinjaPlace;
extern const BossPlace GroundDroidPlace;
extern const BossPlace DevilPlace;

// The Ninja's two posts, between which it moves after each throw.
constexpr int NinjaRightPostX = 14880;
constexpr int NinjaRightPostContact = 14660;
constexpr int NinjaLeftPostX = 14550;
constexpr int NinjaLeftPostContact = 14330;

// Screen y bases of the boss projectiles.
constexpr int RDinoShotYBase = 516;
constexpr int NinjaShotYBaseLeft = 311;
constexpr int NinjaShotYBaseRight = 316;
