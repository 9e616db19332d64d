// The hero's shot: its start, flight, range, cost and the cells that stop it.
#include "tests/game/play_fixture.h"

namespace {

TEST_F(Play, AShotFliesFortyFiveFramesAndCostsOneUnitAtTheEnd)
{
    Start();
    ClearEnemies();
    HeroAmmo = 1;
    Frames(1, {DIK_SPACE});
    EXPECT_TRUE(ShotInFlight);
    EXPECT_TRUE(ShotFlyingRight);
    EXPECT_EQ(HeroShotTravel, 10);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, 360);
    EXPECT_FLOAT_EQ(HeroShotObject.posY, 255);
    Frames(43);
    EXPECT_TRUE(ShotInFlight);
    EXPECT_EQ(HeroAmmo, 1);
    Frames(1);
    EXPECT_FALSE(ShotInFlight);
    EXPECT_FALSE(ShotFlyingRight);
    EXPECT_EQ(HeroShotTravel, 0);
    EXPECT_EQ(HeroAmmo, 0);
    // No ammunition: the fire key does nothing.
    Frames(1);
    Frames(1, {DIK_SPACE});
    EXPECT_FALSE(ShotInFlight);
    EXPECT_FALSE(ActionPose);
}

TEST_F(Play, ANewShotNeedsTheFireKeyReleased)
{
    Start();
    ClearEnemies();
    Frames(60, {DIK_SPACE});
    EXPECT_EQ(HeroAmmo, 7);
    EXPECT_FALSE(ShotInFlight);
    Frames(1);
    Frames(1, {DIK_SPACE});
    EXPECT_TRUE(ShotInFlight);
}

TEST_F(Play, AShotFacingLeftFliesLeft)
{
    Start();
    ClearEnemies();
    MoveTo(640);
    Frames(1, {DIK_LEFT});
    Frames(1);
    Frames(1, {DIK_SPACE});
    EXPECT_TRUE(ShotFlyingLeft);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, 270);
    // While it flies the hero cannot walk the other way.
    Frames(1);
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 636);
}

TEST_F(Play, AnEnemyHitEndsTheShotInTheNextFrame)
{
    Start();
    ClearEnemies();
    Frames(10, {DIK_SPACE});
    ASSERT_EQ(HeroShotTravel, 100);
    HeroShotTravel = 440;  // what a hit does
    Frames(1);
    EXPECT_FALSE(ShotInFlight);
    EXPECT_EQ(HeroAmmo, 7);
}

TEST_F(Play, EarthAheadBarsWalkingButNotTheShot)
{
    Start();
    ClearEnemies();
    // At the foot of the rise at column 34, whose body-row cell is '1'.
    MoveTo(64 * 28 + 40);
    Frames(40, {DIK_RIGHT});
    ASSERT_TRUE(WallAhead);
    EXPECT_FALSE(ShotBlocked);
    Frames(1);
    Frames(45, {DIK_SPACE});
    EXPECT_FALSE(ShotInFlight);
    EXPECT_EQ(HeroAmmo, 7);
}

TEST_F(Play, TheMapsRightEndStopsAShotFlyingRight)
{
    Start();
    ClearEnemies();
    SegmentNumber = 5;
    MoveTo(32296);
    Frames(1);
    const int ammo = HeroAmmo;
    int frames = 0;
    Frames(1, {DIK_SPACE});
    for (frames = 1; ShotInFlight && frames < 50; ++frames) Frames(1);
    EXPECT_EQ(HeroAmmo, ammo - 1);
    // The cell past column 515 is reached at 390 pixels; the next frame is the last.
    EXPECT_EQ(frames, 40);
}

TEST_F(Play, TheMapsLeftEndStopsAShotFlyingLeft)
{
    Start();
    ClearEnemies();
    Frames(1, {DIK_LEFT});
    Frames(1);
    int frames = 0;
    Frames(1, {DIK_SPACE});
    ASSERT_TRUE(ShotFlyingLeft);
    for (frames = 1; ShotInFlight && frames < 50; ++frames) Frames(1);
    EXPECT_EQ(HeroAmmo, 7);
    // Past column 0 at 310 pixels; the next frame is the last.
    EXPECT_EQ(frames, 32);
}

}  // namespace
