// The enemy records, their start places, and putting the world back to its start.
#include "game/assets.h"
#include "game/enemies.h"
#include "game/enemy_places.h"
#include "game/world.h"

EnemyGroup Barb;
EnemyGroup Dino;
EnemyGroup Pirate;
EnemyGroup Archer;
EnemyGroup ArmyMan;
EnemyGroup FlyDroid;
EnemyGroup SkelGround;
EnemyGroup SkelShoot;

BossState RDino;
BossState Ninja;
BossState GroundDroid;
BossState Devil;

// The Ninja starts at its right post, throwing left; a world reset keeps the side it has.
uint8_t NinjaThrowsLeft = 1;

const WalkerPlace BarbPlaces[BarbCount] = {
    {500, 296, 375, 128, 250},
    {535, 311, 375, 128, 220},
    {2200, 1980, 439, 192, 150},
    {2450, 2230, 375, 66, 125},
};

const WalkerPlace DinoPlaces[DinoCount] = {
    {1130, 910, 503, 256, 300},   {1200, 980, 503, 256, 250},   {1350, 1130, 503, 256, 150},
    {2900, 2680, 503, 256, 125},  {3000, 2780, 503, 256, 100},  {3080, 2860, 503, 256, 125},
    {3520, 3300, 631, 384, 125},  {3800, 3580, 695, 448, 125},  {4100, 3880, 759, 512, 125},
    {4080, 3860, 759, 512, 100},  {4280, 4060, 759, 512, 100},  {4680, 4460, 759, 512, 125},
    {4700, 4480, 759, 512, 100},  {5200, 4980, 759, 512, 100},
};

const WalkerPlace PiratePlaces[PirateCount] = {
    {8000, 7780, 439, 192, 180},    {8364, 8144, 375, 128, 300},    {8500, 8280, 375, 128, 240},
    {9200, 8980, 375, 128, 240},    {9700, 9480, 375, 128, 240},    {9800, 9580, 375, 128, 200},
    {10590, 10370, 375, 128, 100},  {11180, 10960, 375, 128, 120},  {11800, 11580, 375, 128, 200},
    {11870, 11650, 375, 128, 100},  {11890, 11670, 375, 128, 180},  {12640, 12420, 439, 192, 270},
    {12992, 12772, 375, 128, 140},  {12992, 12772, 375, 128, 150},  {13566, 13346, 375, 128, 200},
    {14000, 13780, 375, 128, 150},
};

// Members 15 to 17 stand on floor 394, which the view never reaches: only a punch defeats them.
const WalkerPlace ArmyManPlaces[ArmyManCount] = {
    {15950, 15730, 375, 128, 180},  {16550, 16330, 503, 256, 180},  {16500, 16280, 503, 256, 180},
    {17486, 17266, 695, 448, 180},  {17850, 17630, 759, 512, 280},  {17950, 17730, 759, 512, 180},
    {18000, 17780, 759, 512, 380},  {18150, 17930, 759, 512, 280},  {18414, 18194, 695, 448, 140},
    {18620, 18400, 759, 512, 180},  {19075, 18855, 759, 512, 180},  {19180, 18960, 759, 512, 194},
    {19436, 19216, 695, 448, 180},  {19686, 19466, 631, 384, 180},  {20076, 19856, 631, 384, 170},
    {20520, 20300, 631, 394, 116},  {20886, 20666, 631, 394, 180},  {20900, 20680, 631, 394, 220},
    {21420, 21200, 503, 256, 180},
};

const WalkerPlace SkelGroundPlaces[SkelGroundCount] = {
    {23500, 23280, 439, 192, 180},  {23760, 23540, 375, 128, 180},  {24030, 23810, 311, 64, 164},
    {24030, 23810, 311, 64, 280},   {24100, 23880, 311, 64, 180},   {24410, 24190, 375, 128, 180},
    {24850, 24630, 375, 128, 180},  {25210, 24990, 375, 128, 180},  {25490, 25270, 311, 64, 216},
    {25630, 25410, 311, 64, 100},   {26200, 25980, 375, 128, 240},  {26350, 26130, 375, 128, 200},
    {26400, 26180, 375, 128, 100},  {26520, 26300, 375, 128, 90},   {26700, 26480, 439, 192, 180},
    {27240, 27020, 567, 384, 180},  {27480, 27260, 567, 384, 180},  {27615, 27395, 567, 384, 100},
    {27870, 27650, 631, 448, 180},  {27980, 27760, 631, 448, 110},  {28325, 28105, 631, 448, 180},
    {28790, 28570, 631, 448, 180},  {28890, 28670, 631, 448, 100},  {29260, 29040, 631, 448, 180},
};

const ShooterPlace ArcherPlaces[ArcherCount] = {
    {8300, 8080, 375, 128},    {8600, 8380, 375, 128},    {8900, 8680, 311, 64},
    {9400, 9180, 375, 128},    {10230, 10010, 375, 128},  {11300, 11080, 375, 128},
    {12330, 12110, 375, 128},  {12900, 12680, 439, 192},  {13380, 13160, 311, 64},
    {14300, 14080, 311, 64},
};

const ShooterPlace SkelShootPlaces[SkelShootCount] = {
    {23670, 23450, 439, 192},  {23920, 23700, 375, 128},  {24320, 24100, 311, 64},
    {24900, 24680, 375, 128},  {25350, 25130, 375, 128},  {26250, 26030, 375, 128},
    {26625, 26405, 375, 128},  {27750, 27530, 567, 320},  {28350, 28130, 631, 384},
    {28670, 28450, 567, 320},  {29300, 29080, 631, 384},  {29440, 29220, 631, 384},
};

const FlyDroidPlace FlyDroidPlaces[FlyDroidCount] = {
    {16430, 16210, 439, 192, 375, 128, 439, 192},
    {17080, 16860, 567, 320, 503, 256, 567, 320},
    {17400, 17180, 631, 384, 567, 320, 631, 384},
    {18150, 17930, 759, 512, 695, 448, 759, 512},
    {18552, 18332, 695, 448, 631, 384, 695, 448},
    {18950, 18730, 695, 448, 631, 384, 695, 448},
    {19380, 19160, 759, 512, 695, 448, 759, 512},
    {20100, 19880, 631, 384, 567, 320, 631, 384},
    {20680, 20460, 631, 384, 567, 320, 631, 384},
    {21300, 21080, 567, 320, 503, 256, 567, 320},
};

const BossPlace RDinoPlace = {6700, 6450, 504, 256};
const BossPlace NinjaPlace = {14780, 14560, 311, 64};
const BossPlace GroundDroidPlace = {21850, 21630, 439, 192};
const BossPlace DevilPlace = {29600, 29380, 695, 448};

namespace {

constexpr int BossStartHitPoints = 100;

// Screen x of a world x; computed as an integer first, as every placement is.
float ScreenX(int worldX) {
    return static_cast<float>(worldX - WorldPosition);
}

// Placement clears the counters but leaves engaged, floorOffset and currentFrame as they are.
void PlaceWalkers(EnemyGroup& group, const WalkerPlace* places, int count) {
    for (int i = 0; i < count; ++i) {
        group.objects[i].posX = ScreenX(places[i].worldX);
        group.contactPos[i] = places[i].contactPos;
        group.patrolCount[i] = 0;
        group.nextFrame[i] = 0;
        group.frameTicks[i] = 0;
    }
}

void PlaceShooters(EnemyGroup& group, const ShooterPlace* places, int count) {
    for (int i = 0; i < count; ++i) {
        group.objects[i].posX = ScreenX(places[i].worldX);
        group.shots[i].posX = ScreenX(places[i].worldX);
        group.contactPos[i] = places[i].contactPos;
        group.shotTravel[i] = 0;
        group.nextFrame[i] = 0;
        group.frameTicks[i] = 0;
        group.shotSlow[i] = 0;
    }
}

void PlaceFlyDroids() {
    for (int i = 0; i < FlyDroidCount; ++i) {
        const FlyDroidPlace& place = FlyDroidPlaces[i];
        FlyDroid.objects[i].posX = ScreenX(place.worldX);
        FlyDroid.shots[i].posX = ScreenX(place.worldX);
        FlyDroid.contactPos[i] = place.contactPos;
        FlyDroid.objects[i].posY = static_cast<float>(place.startYBase - ViewOffsetY);
        FlyDroid.floorOffset[i] = place.startFloor;
        FlyDroid.shotTravel[i] = 0;
        FlyDroid.nextFrame[i] = 0;
        FlyDroid.frameTicks[i] = 0;
        FlyDroid.shotActive[i] = 0;
        FlyDroid.bobDown[i] = 0;
        FlyDroid.bobSteps[i] = 0;
    }
}

void PlaceThrower(BossState& boss, const BossPlace& place) {
    boss.object.posX = ScreenX(place.worldX);
    boss.projectile.posX = ScreenX(place.worldX);
    boss.contactPos = place.contactPos;
    boss.shotTravel = 0;
    boss.hitPoints = BossStartHitPoints;
}

void PlaceChaser(BossState& boss, const BossPlace& place) {
    boss.object.posX = ScreenX(place.worldX);
    boss.contactPos = place.contactPos;
    boss.patrolCount = 0;
    boss.hitPoints = BossStartHitPoints;
}

void ResetPicture(BlitterObject& picture) {
    picture.posX = 0;
    picture.posY = 0;
    picture.currentFrame = 0;
}

}  // namespace

void PlaceAllEnemies() {
    PlaceWalkers(Barb, BarbPlaces, BarbCount);
    PlaceWalkers(Dino, DinoPlaces, DinoCount);
    PlaceThrower(RDino, RDinoPlace);
    PlaceWalkers(Pirate, PiratePlaces, PirateCount);
    PlaceShooters(Archer, ArcherPlaces, ArcherCount);
    PlaceThrower(Ninja, NinjaPlace);
    PlaceWalkers(ArmyMan, ArmyManPlaces, ArmyManCount);
    PlaceFlyDroids();
    PlaceChaser(GroundDroid, GroundDroidPlace);
    PlaceWalkers(SkelGround, SkelGroundPlaces, SkelGroundCount);
    PlaceShooters(SkelShoot, SkelShootPlaces, SkelShootCount);
    PlaceChaser(Devil, DevilPlace);
}

int WorldReset() {
    WorldPosition = 0;
    ViewOffsetY = 64;
    ResetPicture(TitlePicture);
    ResetPicture(DeathPicture);
    ResetPicture(WinPicture);
    SetBlitterAnimation(&HeroObject, 0);
    SetBlitterAnimSpeed(&HeroObject, 4);
    SetBlitterVelocity(&HeroObject, 0, 0);
    SetBlitterPosition(&HeroObject, 275, 249);
    HeroShotObject.posX = static_cast<float>(350 - WorldPosition);
    HeroShotObject.posY = static_cast<float>(319 - ViewOffsetY);
    PlaceAllEnemies();
    return 1;
}
