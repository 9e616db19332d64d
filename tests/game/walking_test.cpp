#include "tests/game/play_fixture.h"

namespace {

TEST_F(Play, WalkingRightSixteenFramesScrollsOneTileAndStepsTheWalkList)
{
    Start();
    const float barbX = Barb.objects[0].posX;
    std::vector<int> shown;
    for (int i = 0; i < 16; ++i) {
        Frames(1, {DIK_RIGHT});
        shown.push_back(HeroObject.currentFrame);
    }
    EXPECT_EQ(WorldPosition, 64);
    EXPECT_EQ(HeroObject.currentAnim, AnimWalkRight);
    const std::vector<int> expected = {0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 2, 2, 2, 2, 0};
    EXPECT_EQ(shown, expected);
    // Barb 0 patrols one pixel a frame to the right while the world moves 64 to the left.
    EXPECT_FLOAT_EQ(Barb.objects[0].posX, barbX - 64 + 16);
}

TEST_F(Play, WalkingLeftFromTheStartStopsOnTheLeftLimit)
{
    Start();
    Frames(3, {DIK_RIGHT});
    ASSERT_EQ(WorldPosition, 12);
    Frames(5, {DIK_LEFT});
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_EQ(HeroObject.currentAnim, AnimWalkLeft);
}

TEST_F(Play, AWallStopsTheWalkButStillTurnsTheHero)
{
    Start();
    ClearEnemies();
    // Column 34 rises one row above the ground of column 33.
    MoveTo(64 * 28 + 40);
    Frames(40, {DIK_RIGHT});
    EXPECT_TRUE(WallAhead);
    const int stopped = WorldPosition;
    EXPECT_EQ((stopped + 20) / 64 + 5, 34);
    EXPECT_EQ((stopped - 4 + 20) / 64 + 5, 33);
    Frames(5, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, stopped);
    // Turning round takes a frame: the wall found facing right still holds for it.
    Frames(1, {DIK_LEFT});
    EXPECT_EQ(WorldPosition, stopped);
    EXPECT_EQ(HeroObject.currentAnim, AnimWalkLeft);
    Frames(1, {DIK_LEFT});
    EXPECT_EQ(WorldPosition, stopped - 4);
}

TEST_F(Play, AnEngagedEnemyBlocksTheWalkUnlessTheHeroJumps)
{
    Start();
    Frames(1);
    BlockWalkRight = true;
    // The flag comes from the enemy pass of the last frame; the input step reads it first.
    HeroInputStep();
    EXPECT_EQ(WorldPosition, 0);
    HeroJumping = true;
    KeyState[DIK_RIGHT] = 0x80;
    HeroInputStep();
    EXPECT_EQ(WorldPosition, 4);
}

}  // namespace
