// Placement and the world reset: what is put back and what is kept.
#include "tests/enemies/enemy_fixture.h"

namespace {

using Roster = EnemyTest;

void ExpectContactsAt220(const char* kind, const WalkerPlace* places, int count) {
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(places[i].contactPos, places[i].worldX - 220) << kind << ' ' << i;
}

TEST_F(Roster, ContactPositionsLie220BehindTheWorldX) {
    EXPECT_EQ(BarbPlaces[0].contactPos, BarbPlaces[0].worldX - 204);
    EXPECT_EQ(BarbPlaces[1].contactPos, BarbPlaces[1].worldX - 224);
    ExpectContactsAt220("Barb", BarbPlaces + 2, 2);
    ExpectContactsAt220("Dino", DinoPlaces, DinoCount);
    ExpectContactsAt220("Pirate", PiratePlaces, PirateCount);
    ExpectContactsAt220("ArmyMan", ArmyManPlaces, ArmyManCount);
    ExpectContactsAt220("SkelGround", SkelGroundPlaces, SkelGroundCount);
    for (int i = 0; i < ArcherCount; ++i) EXPECT_EQ(ArcherPlaces[i].contactPos, ArcherPlaces[i].worldX - 220);
    for (int i = 0; i < SkelShootCount; ++i)
        EXPECT_EQ(SkelShootPlaces[i].contactPos, SkelShootPlaces[i].worldX - 220);
    for (int i = 0; i < FlyDroidCount; ++i) {
        EXPECT_EQ(FlyDroidPlaces[i].contactPos, FlyDroidPlaces[i].worldX - 220);
        EXPECT_EQ(FlyDroidPlaces[i].topFloor, FlyDroidPlaces[i].bottomFloor - 64);
        EXPECT_EQ(FlyDroidPlaces[i].topYBase, FlyDroidPlaces[i].bottomYBase - 64);
    }
}

TEST_F(Roster, PlacementIsRelativeToTheView) {
    WorldPosition = 1000;
    ViewOffsetY = 128;
    PlaceAllEnemies();
    EXPECT_EQ(Barb.objects[0].posX, -500.0f);
    EXPECT_EQ(Archer.shots[4].posX, 10230.0f - 1000.0f);
    EXPECT_EQ(FlyDroid.objects[3].posY, 759.0f - 128.0f);
    EXPECT_EQ(FlyDroid.floorOffset[3], 512);
    EXPECT_EQ(Ninja.projectile.posX, 14780.0f - 1000.0f);
    EXPECT_EQ(Devil.object.posX, 29600.0f - 1000.0f);
}

TEST_F(Roster, WorldResetPutsEveryoneBackAtTheirWorldX) {
    WorldPosition = 5000;
    ViewOffsetY = 256;
    HeroShotObject.posX = 17;
    for (int f = 0; f < 37; ++f) RunEnemyPass();
    ParkEnemy(Pirate.objects[7], Pirate.contactPos[7]);
    RDino.hitPoints = -10;
    GroundDroid.hitPoints = 30;
    EXPECT_EQ(WorldReset(), 1);
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_EQ(ViewOffsetY, 64);
    for (int i = 0; i < DinoCount; ++i) EXPECT_EQ(Dino.objects[i].posX, static_cast<float>(DinoPlaces[i].worldX));
    for (int i = 0; i < PirateCount; ++i) {
        EXPECT_EQ(Pirate.objects[i].posX, static_cast<float>(PiratePlaces[i].worldX));
        EXPECT_EQ(Pirate.contactPos[i], PiratePlaces[i].contactPos);
        EXPECT_EQ(Pirate.patrolCount[i], 0);
    }
    EXPECT_EQ(RDino.hitPoints, 100);
    EXPECT_EQ(GroundDroid.hitPoints, 100);
    EXPECT_EQ(RDino.object.posX, 6700.0f);
    EXPECT_EQ(HeroShotObject.posX, 350.0f);
    EXPECT_EQ(HeroShotObject.posY, 255.0f);
}

TEST_F(Roster, WorldResetKeepsCountersFlagsAndTheNinjasSide) {
    Barb.engaged[2] = 1;
    Dino.floorOffset[4] = 256;
    FlyDroid.shots[1].posY = 77;
    FlyDroid.floorOffset[1] = 999;
    RDino.strikeFrame = 1;
    RDino.frameTicks = 5;
    Ninja.nextFrame = 3;
    Devil.chaseLeftPending = 1;
    Devil.nextFrame = 4;
    NinjaThrowsLeft = 0;
    SegmentNumber = 3;
    HeroAmmo = 4;
    WorldReset();
    EXPECT_EQ(Barb.engaged[2], 1);
    EXPECT_EQ(Dino.floorOffset[4], 256);
    EXPECT_EQ(FlyDroid.shots[1].posY, 77.0f);
    EXPECT_EQ(FlyDroid.floorOffset[1], 320) << "the droids' floors are placed";
    EXPECT_EQ(RDino.strikeFrame, 1);
    EXPECT_EQ(RDino.frameTicks, 5);
    EXPECT_EQ(Ninja.nextFrame, 3);
    EXPECT_EQ(Devil.chaseLeftPending, 1);
    EXPECT_EQ(Devil.nextFrame, 4);
    EXPECT_EQ(NinjaThrowsLeft, 0);
    EXPECT_EQ(Ninja.object.posX, 14780.0f) << "placed at its start, whatever its side";
    EXPECT_EQ(SegmentNumber, 3);
    EXPECT_EQ(HeroAmmo, 4);
}

TEST_F(Roster, AParkedMemberIsNeverEngagedAgain) {
    StandAt(Dino.contactPos[0], 40);
    ParkEnemy(Dino.objects[0], Dino.contactPos[0]);
    for (int f = 0; f < 300; ++f) RunEnemyPass();
    EXPECT_EQ(Dino.engaged[0], 0);
}

}  // namespace
