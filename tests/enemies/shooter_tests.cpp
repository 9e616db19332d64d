// Shooters and flying droids: launch, flight, re-launch, the speed flip, hovering and firing.
#include <vector>

#include "tests/enemies/enemy_fixture.h"

namespace {

using Shooters = EnemyTest;

TEST_F(Shooters, FirstArcherShoots8AFrameTheOthers5AndRelaunchAt600) {
    for (int f = 1; f <= 75; ++f) UpdateShooters(ShooterKind::Archer);
    EXPECT_EQ(Archer.shotTravel[0], 600);
    EXPECT_EQ(WorldX(Archer.shots[0]), 8300.0f - 600.0f);
    EXPECT_EQ(Archer.shotTravel[1], 375);
    EXPECT_EQ(WorldX(Archer.shots[1]), 8600.0f - 375.0f);
    UpdateShooters(ShooterKind::Archer);
    EXPECT_EQ(Archer.shotTravel[0], 0);
    EXPECT_EQ(WorldX(Archer.shots[0]), 8300.0f) << "re-launched from the archer";
    UpdateShooters(ShooterKind::Archer);
    EXPECT_EQ(Archer.shotTravel[0], 8);
}

TEST_F(Shooters, ArcherLoosesForItsFirst40Pixels) {
    std::vector<int> shown;
    for (int f = 1; f <= 10; ++f) {
        UpdateShooters(ShooterKind::Archer);
        shown.push_back(Archer.objects[1].currentFrame);
    }
    // Archer 1 flies 5 a frame: travel 0 to 35 before the move shows the loosing frame.
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 0, 0}));
}

TEST_F(Shooters, ProjectileFliesAtItsMembersHeight) {
    ViewOffsetY = 128;
    UpdateShooters(ShooterKind::Archer);
    EXPECT_EQ(Archer.shots[2].posY, 311.0f - 128.0f);
    EXPECT_EQ(Archer.objects[2].posY, 311.0f - 128.0f);
    EXPECT_EQ(Archer.floorOffset[2], 64);
}

TEST_F(Shooters, SkelShootFlipsSpeedAfter40AndStartsTheNextFlightAtTheLastSpeed) {
    for (int f = 0; f < 5; ++f) UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(SkelShoot.shotTravel[0], 40);
    EXPECT_EQ(SkelShoot.shotSlow[0], 1);
    UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(SkelShoot.shotTravel[0], 45);
    for (int f = 0; f < 111; ++f) UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(SkelShoot.shotTravel[0], 600);
    UpdateShooters(ShooterKind::SkelShoot);  // re-launch
    EXPECT_EQ(SkelShoot.shotTravel[0], 0);
    UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(SkelShoot.shotTravel[0], 5) << "starts slow, as the last flight ended";
    for (int f = 0; f < 7; ++f) UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(SkelShoot.shotTravel[0], 40);
    EXPECT_EQ(SkelShoot.shotSlow[0], 0);
    UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(SkelShoot.shotTravel[0], 48);
    EXPECT_EQ(SkelShoot.objects[0].currentFrame, 1) << "SkelShoot still looses at exactly 40";
}

TEST_F(Shooters, EngagedShootersPushTheirProjectileAwayAndKeepItsTravel) {
    StandAt(Archer.contactPos[3], 50);
    Archer.engaged[3] = 1;
    Archer.shotTravel[3] = 120;
    const float arrow = Archer.shots[3].posX;
    UpdateShooters(ShooterKind::Archer);
    UpdateShooters(ShooterKind::Archer);
    EXPECT_EQ(Archer.shots[3].posX, arrow - 800.0f);
    EXPECT_EQ(Archer.shotTravel[3], 120);
    EXPECT_EQ(HeroHealth, 100) << "shooters have no strike";

    StandAt(SkelShoot.contactPos[5], 10);
    SkelShoot.engaged[5] = 1;
    const float shot = SkelShoot.shots[5].posX;
    UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(SkelShoot.shots[5].posX, shot + 400.0f);
    EXPECT_TRUE(BlockWalkLeft);
}

TEST_F(Shooters, PunchedShooterIsParkedAndItsProjectileKeepsFlyingFarOff) {
    StandAt(Archer.contactPos[3], 50);
    Archer.engaged[3] = 1;
    PunchActive = true;
    UpdateShooters(ShooterKind::Archer);
    EXPECT_EQ(Archer.contactPos[3], 9180 - ParkDistance);
    PunchActive = false;
    UpdateShooters(ShooterKind::Archer);
    EXPECT_EQ(Archer.engaged[3], 0);
    EXPECT_EQ(Archer.shotTravel[3], 5);
}

using FlyDroids = EnemyTest;

TEST_F(FlyDroids, RiseFireAtTheTopSinkFireAtTheBottom) {
    // Droid 0: start y base 439, top firing 375/128, bottom 439/192.
    EXPECT_EQ(FlyDroid.objects[0].posY, 375.0f);
    for (int f = 1; f <= 29; ++f) UpdateFlyDroids();
    EXPECT_EQ(FlyDroid.shotActive[0], 0);
    UpdateFlyDroids();  // frame 30: the top
    EXPECT_EQ(FlyDroid.objects[0].posY, 315.0f);
    EXPECT_EQ(FlyDroid.shotActive[0], 1);
    EXPECT_EQ(FlyDroid.bobDown[0], 1);
    EXPECT_EQ(FlyDroid.floorOffset[0], 128);
    EXPECT_EQ(FlyDroid.shots[0].posY, 311.0f);
    EXPECT_EQ(FlyDroid.shotTravel[0], 8) << "fires in the frame it reaches the top";
    EXPECT_EQ(FlyDroid.objects[0].currentFrame, 1);
    for (int f = 31; f <= 62; ++f) UpdateFlyDroids();
    EXPECT_EQ(FlyDroid.shotTravel[0], 264);
    EXPECT_EQ(FlyDroid.objects[0].posY, 315.0f) << "hovers while the projectile flies";
    UpdateFlyDroids();
    EXPECT_EQ(FlyDroid.shotActive[0], 0);
    EXPECT_EQ(FlyDroid.shotTravel[0], 0);
    EXPECT_EQ(WorldX(FlyDroid.shots[0]), 16430.0f);
    for (int f = 64; f <= 92; ++f) UpdateFlyDroids();
    EXPECT_EQ(FlyDroid.shotActive[0], 0);
    UpdateFlyDroids();  // frame 93: the bottom
    EXPECT_EQ(FlyDroid.objects[0].posY, 375.0f);
    EXPECT_EQ(FlyDroid.shotActive[0], 1);
    EXPECT_EQ(FlyDroid.bobDown[0], 0);
    EXPECT_EQ(FlyDroid.floorOffset[0], 192);
    EXPECT_EQ(FlyDroid.shots[0].posY, 375.0f);
}

TEST_F(FlyDroids, EngagedDroidNeitherHoversNorFires) {
    StandAt(FlyDroid.contactPos[4], 80);
    FlyDroid.engaged[4] = 1;
    const float y = FlyDroid.objects[4].posY;
    for (int f = 0; f < 40; ++f) UpdateFlyDroids();
    EXPECT_EQ(FlyDroid.objects[4].posY, y);
    EXPECT_EQ(FlyDroid.bobSteps[4], 0);
    EXPECT_EQ(FlyDroid.shotTravel[4], 0);
    EXPECT_TRUE(BlockWalkRight);
}

TEST_F(FlyDroids, PunchedDroidTakesItsProjectileAlong) {
    StandAt(FlyDroid.contactPos[4], 80);
    FlyDroid.engaged[4] = 1;
    PunchActive = true;
    const float shot = FlyDroid.shots[4].posX;
    UpdateFlyDroids();
    EXPECT_EQ(FlyDroid.contactPos[4], 18332 - ParkDistance);
    EXPECT_EQ(FlyDroid.shots[4].posX, shot + ParkDistance);
}

}  // namespace
