// The jump arc, stepping down with its settling, landing on a ledge and falling into a pit.
#include "tests/game/play_fixture.h"

namespace {

TEST_F(Play, AJumpInPlaceRisesAndFallsOverFiftyFrames)
{
    Start();
    ClearEnemies();
    Frames(1, {DIK_UP});
    EXPECT_FLOAT_EQ(HeroObject.posY, 244);
    EXPECT_EQ(HeroObject.currentAnim, AnimJumpRight);
    Frames(24);
    EXPECT_FLOAT_EQ(HeroObject.posY, 124);
    EXPECT_EQ(JumpOffset, -125);
    Frames(24);
    EXPECT_TRUE(HeroJumping);
    Frames(1);
    EXPECT_FALSE(HeroJumping);
    EXPECT_FLOAT_EQ(HeroObject.posY, 249);
    EXPECT_EQ(JumpOffset, 0);
    EXPECT_EQ(JumpCounter, 25);
    EXPECT_EQ(HeroObject.currentAnim, AnimWalkRight);
    EXPECT_EQ(HeroObject.currentFrame, 0);
    EXPECT_EQ(ViewOffsetY, 64);
}

TEST_F(Play, WalkingOffALedgeStepsDownAndSettles)
{
    Start();
    ClearEnemies();
    // Column 8 lies one row below the start.
    Frames(48, {DIK_RIGHT});
    ASSERT_EQ(WorldPosition, 192);
    ASSERT_EQ(ViewOffsetY, 64);
    Frames(2, {DIK_RIGHT});
    EXPECT_EQ(ViewOffsetY, 128);
    EXPECT_EQ(WorldPosition, 240);
    EXPECT_FLOAT_EQ(HeroObject.posY, 185);
    EXPECT_TRUE(StepDownActive);
    Frames(8);
    EXPECT_FALSE(StepDownActive);
    EXPECT_EQ(StepDownFrames, 0);
    EXPECT_FLOAT_EQ(HeroObject.posY, 249);
    // The view step moved the hero's shot up with the map.
    EXPECT_FLOAT_EQ(HeroShotObject.posY, 255 - 64);
}

TEST_F(Play, AJumpOntoALedgeOneRowHigherLands)
{
    Start();
    ClearEnemies();
    MoveTo(64 * 28 + 40);
    Frames(40, {DIK_RIGHT});
    ASSERT_TRUE(WallAhead);
    ASSERT_EQ(ViewOffsetY, 256);
    Frames(1, {DIK_RIGHT, DIK_UP});
    for (int frames = 0; ViewOffsetY == 256 && frames < 50; ++frames) Frames(1, {DIK_RIGHT});
    EXPECT_EQ(ViewOffsetY, 192);
    EXPECT_FLOAT_EQ(HeroObject.posY, 248);
    EXPECT_FALSE(HeroJumping);
    EXPECT_EQ(JumpOffset, 0);
    EXPECT_EQ(LedgeContact, 0);
    // The landing keeps the jump slot: up alone starts no jump until a walk key turns him.
    Frames(1);
    Frames(1, {DIK_UP});
    EXPECT_FALSE(HeroJumping);
    Frames(1, {DIK_RIGHT});
    Frames(1, {DIK_UP});
    EXPECT_TRUE(HeroJumping);
}

TEST_F(Play, TheHerosShotMovesWithTheViewOnALanding)
{
    Start();
    ClearEnemies();
    MoveTo(64 * 28 + 40);
    Frames(40, {DIK_RIGHT});
    const float shotY = HeroShotObject.posY;
    Frames(1, {DIK_RIGHT, DIK_UP});
    for (int frames = 0; ViewOffsetY == 256 && frames < 50; ++frames) Frames(1, {DIK_RIGHT});
    EXPECT_FLOAT_EQ(HeroShotObject.posY, shotY + 64);
}

TEST_F(Play, WalkingIntoAPitKills)
{
    Start();
    ClearEnemies();
    MoveTo(64 * 23);
    ASSERT_EQ(ViewOffsetY, 256);
    int frames = 0;
    while (GameState == GameStatePlay && frames < 200) {
        Frames(1, {DIK_RIGHT});
        ++frames;
    }
    EXPECT_EQ(GameState, GameStateDeath);
    EXPECT_EQ(HeroHealth, 100);
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_EQ(ViewOffsetY, 64);
    EXPECT_FLOAT_EQ(HeroObject.posY, 249);
}

TEST_F(Play, ARunningJumpClearsThePit)
{
    Start();
    ClearEnemies();
    MoveTo(64 * 23);
    // Run up to 40 pixels before the pit's edge, then jump across it.
    while ((WorldPosition - 5 + 40) / 64 + 5 < 29) Frames(1, {DIK_RIGHT});
    Frames(1, {DIK_RIGHT, DIK_UP});
    Frames(49, {DIK_RIGHT});
    EXPECT_FALSE(HeroJumping);
    Frames(10, {DIK_RIGHT});
    EXPECT_EQ(GameState, GameStatePlay);
    EXPECT_GT((WorldPosition - 5) / 64 + 5, 29);
    EXPECT_EQ(ViewOffsetY, 256);
}

TEST_F(Play, AtTheTopOfTheMapAJumpDoesNotLandAboveIt)
{
    Start();
    ClearEnemies();
    SegmentNumber = 5;
    MoveTo(32000);
    ASSERT_EQ(ViewOffsetY, 0);
    Frames(1);
    Frames(50, {DIK_UP});
    EXPECT_EQ(ViewOffsetY, 0);
    EXPECT_FALSE(HeroJumping);
    EXPECT_FLOAT_EQ(HeroObject.posY, 249);
}

TEST_F(Play, ADeathMidJumpLeavesTheHeroOnTheGround)
{
    Start();
    Frames(10, {DIK_UP});
    ShotInFlight = true;
    StepDownActive = true;
    HeroHealth = 0;
    Frames(1);
    EXPECT_EQ(GameState, GameStateDeath);
    EXPECT_FALSE(HeroJumping);
    EXPECT_EQ(JumpCounter, 25);
    EXPECT_EQ(JumpOffset, 0);
    EXPECT_FALSE(ShotInFlight);
    EXPECT_FALSE(StepDownActive);
    EXPECT_FLOAT_EQ(HeroObject.posY, 249);
}

}  // namespace
