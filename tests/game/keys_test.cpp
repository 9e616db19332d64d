// The hero's eleven key cases, their order and the latches that end with a release.
#include "tests/game/play_fixture.h"

namespace {

TEST_F(Play, UpWithADirectionJumpsEvenInAPose)
{
    Start();
    Frames(1, {DIK_RMENU});
    ASSERT_TRUE(ActionPose);
    Frames(1, {DIK_RIGHT, DIK_UP});
    EXPECT_TRUE(HeroJumping);
    EXPECT_EQ(HeroObject.currentAnim, AnimJumpRight);
    EXPECT_FALSE(ActionPose);
}

TEST_F(Play, NoJumpWhileTheShotFlies)
{
    Start();
    Frames(1, {DIK_SPACE});
    ASSERT_TRUE(ShotFlyingRight);
    Frames(1, {DIK_RIGHT, DIK_UP});
    Frames(1, {DIK_UP});
    EXPECT_FALSE(HeroJumping);
}

TEST_F(Play, DownWithADirectionCrouchesWithoutMoving)
{
    Start();
    Frames(3, {DIK_LEFT, DIK_DOWN});
    EXPECT_EQ(HeroObject.currentAnim, AnimDownLeft);
    Frames(3, {DIK_RIGHT, DIK_DOWN});
    EXPECT_EQ(HeroObject.currentAnim, AnimDownRight);
    EXPECT_EQ(WorldPosition, 0);
    // In a down slot the up key only animates.
    Frames(1);
    Frames(1, {DIK_UP});
    EXPECT_FALSE(HeroJumping);
    // Down alone turns slot 1 into slot 5.
    Frames(2, {DIK_LEFT});
    Frames(1, {DIK_DOWN});
    EXPECT_EQ(HeroObject.currentAnim, AnimDownLeft);
}

TEST_F(Play, ADirectionWithFireOrPunchDoesNotWalk)
{
    Start();
    Frames(1, {DIK_RIGHT, DIK_SPACE});
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_TRUE(ShotInFlight);
    Frames(1, {DIK_RIGHT, DIK_RMENU});
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_TRUE(PunchActive || ActionPose);
}

TEST_F(Play, PunchBeatsFireAndHoldsUntilEveryKeyIsReleased)
{
    Start();
    Frames(1, {DIK_RMENU, DIK_SPACE});
    EXPECT_TRUE(ActionPose);
    EXPECT_FALSE(ShotInFlight);
    EXPECT_EQ(HeroObject.animLists[AnimWalkRight][0], 3);
    // Right held straight after the punch: the pose stays and the hero does not walk.
    Frames(4, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 0);
    Frames(1);
    EXPECT_FALSE(ActionPose);
    EXPECT_EQ(HeroObject.currentFrame, 0);
    EXPECT_EQ(HeroObject.animLists[AnimWalkRight][0], 0);
    EXPECT_EQ(HeroObject.animLists[AnimWalkRight][1], 1);
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 4);
}

TEST_F(Play, AHeldPunchStrikesEveryFrameAndSoundsOnce)
{
    Start();
    ClearEnemies();
    for (int i = 0; i < 20; ++i) {
        HoldKeys({DIK_RMENU});
        ReadKeyboard();
        PunchActive = false;
        HeroInputStep();
        EXPECT_TRUE(PunchActive) << i;
        EXPECT_TRUE(ActionSoundPlayed) << i;
    }
    // A boss that took the punch ends it until the key is released.
    BossPunched = true;
    PunchActive = false;
    HeroInputStep();
    EXPECT_FALSE(PunchActive);
    Frames(1);
    EXPECT_FALSE(BossPunched);
    EXPECT_FALSE(ActionSoundPlayed);
}

TEST_F(Play, NoPunchInTheAir)
{
    Start();
    Frames(1, {DIK_UP});
    ASSERT_TRUE(HeroJumping);
    Frames(1, {DIK_RMENU});
    EXPECT_FALSE(ActionPose);
}

TEST_F(Play, FacingLeftThePoseUsesFrameSeven)
{
    Start();
    Frames(1, {DIK_LEFT});
    Frames(1);
    Frames(1, {DIK_RMENU});
    EXPECT_EQ(HeroObject.animLists[AnimWalkLeft][0], 7);
    Frames(1);
    EXPECT_EQ(HeroObject.currentFrame, 4);
    EXPECT_EQ(HeroObject.animLists[AnimWalkLeft][1], 5);
}

}  // namespace
