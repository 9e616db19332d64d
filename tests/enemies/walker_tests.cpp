// Walkers: patrol range, strike timing, punches and the block flags.
#include <algorithm>
#include <vector>

#include "tests/enemies/enemy_fixture.h"

namespace {

void StepBarbs(int frames = 1) {
    for (int f = 0; f < frames; ++f) UpdateWalkers(Barb, BarbCount, 11, 8, BarbPlaces);
}

using WalkerPatrol = EnemyTest;

TEST_F(WalkerPatrol, HalfLength125PatrolsFromItsSpotOut124AndBack) {
    // Barb 3 stands at world x 2450 with T = 125.
    float lowest = 1e9f, highest = -1e9f;
    for (int f = 1; f <= 124; ++f) StepBarbs();
    EXPECT_EQ(WorldX(Barb.objects[3]), 2574.0f);
    EXPECT_EQ(Barb.patrolCount[3], 124);
    StepBarbs();
    EXPECT_EQ(Barb.patrolCount[3], -124);  // turned over to -(T - 1)
    EXPECT_EQ(WorldX(Barb.objects[3]), 2573.0f);
    for (int f = 126; f <= 248; ++f) StepBarbs();
    EXPECT_EQ(WorldX(Barb.objects[3]), 2450.0f);
    for (int f = 249; f <= 1000; ++f) {
        StepBarbs();
        lowest = std::min(lowest, WorldX(Barb.objects[3]));
        highest = std::max(highest, WorldX(Barb.objects[3]));
        // contactPos moves with the member.
        ASSERT_EQ(Barb.contactPos[3] - static_cast<int>(Barb.objects[3].posX), -220);
    }
    EXPECT_EQ(lowest, 2450.0f);
    EXPECT_EQ(highest, 2574.0f);
}

TEST_F(WalkerPatrol, PictureChangesEvery8FramesFacingTheWayItWalks) {
    for (int f = 0; f < 249; ++f) StepBarbs();  // Barb 3 has turned right again: nextFrame 3
    int changes = 0;
    int last = Barb.objects[3].currentFrame;
    for (int f = 1; f <= 120; ++f) {
        StepBarbs();
        const int frame = Barb.objects[3].currentFrame;
        if (frame != last) {
            ++changes;
            ASSERT_EQ(Barb.frameTicks[3], 0);
        }
        if (changes > 0) {
            ASSERT_GE(frame, 3) << "walking right shows the right-facing frames";
            ASSERT_LE(frame, 5);
        }
        last = frame;
    }
    EXPECT_EQ(changes, 15);
    for (int f = 0; f < 20; ++f) StepBarbs();  // past the turn at 124
    for (int f = 0; f < 60; ++f) {
        StepBarbs();
        ASSERT_LE(Barb.objects[3].currentFrame, 2) << "walking left shows the left-facing frames";
    }
}

TEST_F(WalkerPatrol, LeavingContactBringsAStrikeFrameBack) {
    Barb.nextFrame[2] = 7;
    StepBarbs();
    EXPECT_EQ(Barb.nextFrame[2], 0);
}

using WalkerStrike = EnemyTest;

TEST_F(WalkerStrike, FromTheReadyFrameHitsAfterOnePeriodThenEvery2F) {
    StandAt(Barb.contactPos[2], 50);  // on the hero's right: ready frame 0
    Barb.engaged[2] = 1;
    std::vector<int> hitFrames;
    for (int f = 1; f <= 48; ++f) {
        const int before = HeroHealth;
        StepBarbs();
        if (HeroHealth != before) hitFrames.push_back(f);
    }
    EXPECT_EQ(hitFrames, (std::vector<int>{8, 24, 40}));
    EXPECT_EQ(HeroHealth, 70);
    EXPECT_EQ(WorldX(Barb.objects[2]), 2200.0f) << "an engaged walker does not move";
}

TEST_F(WalkerStrike, EnteringContactFinishesTheFrameItWasAboutToShow) {
    StandAt(Barb.contactPos[2], 50);
    Barb.engaged[2] = 1;
    Barb.nextFrame[2] = 4;
    Barb.frameTicks[2] = 5;
    StepBarbs(3);
    EXPECT_EQ(Barb.objects[2].currentFrame, 4);
    EXPECT_EQ(HeroHealth, 100);
    StepBarbs(7);
    EXPECT_EQ(HeroHealth, 100);
    StepBarbs();
    EXPECT_EQ(HeroHealth, 90) << "the first hit lands one strike period later";
    EXPECT_EQ(Barb.objects[2].currentFrame, 0);
}

TEST_F(WalkerStrike, OnTheHerosLeftTheReadyFrameIs3) {
    StandAt(Barb.contactPos[2], 10);  // 1980 < 1970 + 25
    Barb.engaged[2] = 1;
    Barb.nextFrame[2] = 3;
    StepBarbs(8);
    EXPECT_EQ(HeroHealth, 90);
    EXPECT_EQ(Barb.nextFrame[2], 7);
}

TEST_F(WalkerStrike, PunchFromTheRightStillStrikesInTheSameFrame) {
    StandAt(Barb.contactPos[2], 50);
    Barb.engaged[2] = 1;
    Barb.frameTicks[2] = 7;
    PunchActive = true;
    StepBarbs();
    EXPECT_EQ(Barb.contactPos[2], 1980 - ParkDistance);
    EXPECT_EQ(WorldX(Barb.objects[2]), 2200.0f - ParkDistance);
    EXPECT_EQ(HeroHealth, 90);
    EXPECT_EQ(Barb.engaged[2], 0);
}

TEST_F(WalkerStrike, PunchFromTheLeftEndsTheStep) {
    StandAt(Barb.contactPos[2], 10);
    Barb.engaged[2] = 1;
    Barb.nextFrame[2] = 3;
    Barb.frameTicks[2] = 7;
    PunchActive = true;
    StepBarbs();
    EXPECT_EQ(Barb.contactPos[2], 1980 - ParkDistance);
    EXPECT_EQ(HeroHealth, 100);
}

TEST_F(WalkerStrike, AHeroOnAnotherFloorIsStruckAllTheSame) {
    StandAt(Barb.contactPos[2], 50);
    ViewOffsetY = 448;
    Barb.engaged[2] = 1;
    StepBarbs(8);
    EXPECT_EQ(HeroHealth, 90);
}

using BlockFlags = EnemyTest;

TEST_F(BlockFlags, SideSplitsAt25) {
    WorldPosition = 1000;
    EXPECT_TRUE(StandsOnHeroLeft(1024));
    EXPECT_FALSE(StandsOnHeroLeft(1025));
}

TEST_F(BlockFlags, ContactWindowIsZeroTo99) {
    WorldPosition = 1000;
    EXPECT_FALSE(InContactWindow(999));
    EXPECT_TRUE(InContactWindow(1000));
    EXPECT_TRUE(InContactWindow(1099));
    EXPECT_FALSE(InContactWindow(1100));
}

TEST_F(BlockFlags, TheLastEngagedMemberDecidesBothFlags) {
    WorldPosition = 280;  // Barb 0 (296) on the left, Barb 1 (311) on the right
    StepBarbs();          // both take their engagement
    ASSERT_EQ(Barb.engaged[0], 1);
    ASSERT_EQ(Barb.engaged[1], 1);
    StepBarbs();
    EXPECT_FALSE(BlockWalkLeft);
    EXPECT_TRUE(BlockWalkRight);

    Barb.contactPos[0] = WorldPosition + 60;
    Barb.contactPos[1] = WorldPosition + 10;
    StepBarbs();
    EXPECT_TRUE(BlockWalkLeft);
    EXPECT_FALSE(BlockWalkRight);
}

TEST_F(BlockFlags, ThePassClearsThemWhenNobodyIsEngaged) {
    BlockWalkLeft = true;
    BlockWalkRight = true;
    RunEnemyPass();
    EXPECT_FALSE(BlockWalkLeft);
    EXPECT_FALSE(BlockWalkRight);
}

TEST_F(BlockFlags, AHeldPunchDefeatsEveryMemberThatEntersContact) {
    PunchActive = true;
    WorldPosition = 280;
    StepBarbs();  // engaged now; the punch lands in the next engaged step
    StepBarbs();
    EXPECT_LT(Barb.contactPos[0], 0);
    EXPECT_LT(Barb.contactPos[1], 0);
    EXPECT_GT(Barb.contactPos[2], 0);
}

}  // namespace
