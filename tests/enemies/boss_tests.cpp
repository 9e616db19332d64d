// The four bosses: firing cycles, the Ninja's posts, the chasers, strikes, punches and defeat.
#include <vector>

#include "tests/enemies/enemy_fixture.h"

namespace {

using RDinoBoss = EnemyTest;

TEST_F(RDinoBoss, RelaunchesEvery101FramesWhileAlone) {
    std::vector<int> relaunches;
    for (int f = 1; f <= 303; ++f) {
        UpdateRDino();
        if (RDino.shotTravel == 0) {
            relaunches.push_back(f);
            EXPECT_EQ(RDino.projectile.posX, RDino.object.posX);
        }
    }
    EXPECT_EQ(relaunches, (std::vector<int>{101, 202, 303}));
}

TEST_F(RDinoBoss, AHitOnAStandingHeroEndsTheLaunch20FramesEarly) {
    WorldPosition = 6450 - 300;
    ViewOffsetY = 256;
    std::vector<int> hits, relaunches;
    for (int f = 1; f <= 140; ++f) {
        const int health = HeroHealth;
        UpdateRDino();
        if (HeroHealth != health) hits.push_back(f);
        if (RDino.shotTravel == 0) relaunches.push_back(f);
    }
    EXPECT_EQ(hits, (std::vector<int>{53, 134})) << "once per launch";
    EXPECT_EQ(relaunches, (std::vector<int>{81}));
}

TEST_F(RDinoBoss, FromTheHerosRightItBlocksAndStrikesEvery24) {
    StandAt(RDino.contactPos, 50);
    RDino.engaged = 1;
    const float projectile = RDino.projectile.posX;
    std::vector<int> hits;
    for (int f = 1; f <= 60; ++f) {
        const int health = HeroHealth;
        UpdateRDino();
        if (HeroHealth != health) hits.push_back(f);
    }
    EXPECT_EQ(hits, (std::vector<int>{12, 36, 60}));
    EXPECT_TRUE(BlockWalkRight);
    EXPECT_EQ(RDino.projectile.posX, projectile) << "the projectile rests in contact";
}

TEST_F(RDinoBoss, APunchTakes10AndLatchesInsteadOfTheStrike) {
    StandAt(RDino.contactPos, 50);
    RDino.engaged = 1;
    RDino.frameTicks = 11;
    PunchActive = true;
    UpdateRDino();
    EXPECT_EQ(RDino.hitPoints, 90);
    EXPECT_TRUE(BossPunched);
    EXPECT_EQ(HeroHealth, 100);
}

TEST_F(RDinoBoss, FromTheHerosLeftItNeitherBlocksNorStrikes) {
    StandAt(RDino.contactPos, 25);  // contactPos = WorldPosition + 25 counts as not on his right
    RDino.engaged = 1;
    for (int f = 0; f < 30; ++f) UpdateRDino();
    EXPECT_FALSE(BlockWalkLeft);
    EXPECT_FALSE(BlockWalkRight);
    EXPECT_EQ(HeroHealth, 100);
    const float projectile = RDino.projectile.posX;
    RDino.hitPoints = 10;
    PunchActive = true;
    UpdateRDino();
    EXPECT_TRUE(BossPunched);
    EXPECT_EQ(RDino.hitPoints, 0);
    EXPECT_EQ(RDino.contactPos, 6450 - ParkDistance) << "defeated";
    EXPECT_EQ(RDino.projectile.posX, projectile + ParkDistance);
}

using NinjaBoss = EnemyTest;

TEST_F(NinjaBoss, ChangesPostAfterEachThrowOf600) {
    EXPECT_EQ(NinjaThrowsLeft, 1);
    for (int f = 1; f <= 119; ++f) UpdateNinja();
    EXPECT_EQ(Ninja.contactPos, 14560);
    UpdateNinja();  // frame 120: the throw reaches 600
    EXPECT_EQ(NinjaThrowsLeft, 0);
    EXPECT_EQ(Ninja.contactPos, 14330);
    EXPECT_EQ(Ninja.object.posX, 14550.0f);
    EXPECT_EQ(Ninja.projectile.posX, 14550.0f);
    UpdateNinja();
    EXPECT_EQ(Ninja.shotTravel, 0);
    UpdateNinja();
    EXPECT_EQ(Ninja.shotTravel, 7);
    EXPECT_EQ(Ninja.object.currentFrame, 3) << "throws right from the left post";
    EXPECT_EQ(Ninja.projectile.posY, 316.0f - 64.0f);
    for (int f = 123; f <= 206; ++f) UpdateNinja();
    EXPECT_EQ(NinjaThrowsLeft, 0);
    UpdateNinja();  // frame 207: 86 throws of 7 reach 602
    EXPECT_EQ(NinjaThrowsLeft, 1);
    EXPECT_EQ(Ninja.contactPos, 14660);
    EXPECT_EQ(Ninja.object.posX, 14880.0f);
}

TEST_F(NinjaBoss, AHeroAtTheNewPostIsEngagedFromTheNextFrame) {
    WorldPosition = 14330 - 50;
    ViewOffsetY = 128;  // off the Ninja's floor: its throw passes
    Ninja.shotTravel = 595;
    UpdateNinja();
    EXPECT_EQ(NinjaThrowsLeft, 0);
    EXPECT_EQ(Ninja.engaged, 1);
    const float projectile = Ninja.projectile.posX;
    UpdateNinja();
    EXPECT_EQ(Ninja.projectile.posX, projectile + 500.0f);
    EXPECT_EQ(Ninja.shotTravel, 600) << "an engaged Ninja does not throw";
}

TEST_F(NinjaBoss, AHitThatCarriesTheThrowPast600EndsTheLoopBeforeThePostChange) {
    // After this frame's throw the travel is 520; position 0 meets a hero at 14496 - 520.
    MoveViewTo(14560 - 64 - 520);
    Ninja.floorOffset = 64;
    Ninja.shotTravel = 515;
    UpdateNinja();
    EXPECT_EQ(HeroHealth, 90);
    EXPECT_EQ(Ninja.shotTravel, 620);
    EXPECT_EQ(NinjaThrowsLeft, 1);
    EXPECT_EQ(Ninja.contactPos, 14560);
    UpdateNinja();
    EXPECT_EQ(Ninja.shotTravel, 0) << "the next frame re-launches from the same post";
    EXPECT_EQ(NinjaThrowsLeft, 1);
}

TEST_F(NinjaBoss, AtExactlyZeroHitPointsItStandsIdle) {
    Ninja.hitPoints = 0;
    const float projectile = Ninja.projectile.posX;
    UpdateNinja();
    EXPECT_EQ(Ninja.shotTravel, 0);
    EXPECT_EQ(Ninja.projectile.posX, projectile);
    Ninja.hitPoints = -10;
    UpdateNinja();
    EXPECT_EQ(Ninja.shotTravel, 5) << "below zero it throws on from where it is";
}

TEST_F(NinjaBoss, StrikesEvery20InContactFromEitherSide) {
    StandAt(Ninja.contactPos, 50);
    Ninja.engaged = 1;
    std::vector<int> hits;
    for (int f = 1; f <= 40; ++f) {
        const int health = HeroHealth;
        UpdateNinja();
        if (HeroHealth != health) hits.push_back(f);
    }
    EXPECT_EQ(hits, (std::vector<int>{10, 30}));
    EXPECT_TRUE(BlockWalkRight);

    StandAt(Ninja.contactPos, 10);
    hits.clear();
    for (int f = 1; f <= 40; ++f) {
        const int health = HeroHealth;
        UpdateNinja();
        if (HeroHealth != health) hits.push_back(f);
    }
    EXPECT_EQ(hits, (std::vector<int>{20, 40})) << "the left frames start from the stand frame 2";
    EXPECT_TRUE(BlockWalkLeft);
}

TEST_F(NinjaBoss, APunchFromTheLeftSendsTheProjectileAway) {
    StandAt(Ninja.contactPos, 10);
    Ninja.engaged = 1;
    PunchActive = true;
    const float projectile = Ninja.projectile.posX;
    UpdateNinja();
    EXPECT_EQ(Ninja.hitPoints, 90);
    EXPECT_TRUE(BossPunched);
    EXPECT_EQ(Ninja.projectile.posX, projectile + 500.0f + ParkDistance);
}

using Chasers = EnemyTest;

TEST_F(Chasers, WithACountOfZeroAChaserStandsUntilTheHeroLeavesItsFloor) {
    ViewOffsetY = 192;
    MoveViewTo(21630 - 200);
    for (int f = 0; f < 50; ++f) UpdateGroundDroid();
    EXPECT_EQ(WorldX(GroundDroid.object), 21850.0f);
    EXPECT_EQ(GroundDroid.patrolCount, 0);
    ViewOffsetY = 128;
    UpdateGroundDroid();
    EXPECT_EQ(GroundDroid.patrolCount, 1);
    EXPECT_EQ(GroundDroid.contactPos, 21631);
    EXPECT_EQ(GroundDroid.chaseLeftPending, 1);
}

TEST_F(Chasers, ChasesLeftTowardsTheHeroUntilInContact) {
    GroundDroid.patrolCount = 50;
    GroundDroid.chaseLeftPending = 1;
    GroundDroid.nextFrame = 4;
    ViewOffsetY = 192;
    WorldPosition = 21630 - 200;
    UpdateGroundDroid();
    EXPECT_EQ(GroundDroid.nextFrame, 0) << "the chase restarts the facing frames";
    EXPECT_EQ(GroundDroid.patrolCount, 51);
    int frames = 1;
    while (!GroundDroid.engaged && frames < 500) {
        UpdateGroundDroid();
        ++frames;
    }
    EXPECT_EQ(frames, 101);
    EXPECT_EQ(GroundDroid.contactPos, WorldPosition + 99);
}

TEST_F(Chasers, ALeftChaseEndsWhereTheCountReachesZero) {
    GroundDroid.patrolCount = -5;
    ViewOffsetY = 192;
    WorldPosition = 21630 - 200;
    for (int f = 0; f < 20; ++f) UpdateGroundDroid();
    EXPECT_EQ(GroundDroid.contactPos, 21625);
    EXPECT_EQ(GroundDroid.patrolCount, 0);
}

TEST_F(Chasers, ChasesRightOnlyWithAPositiveCount) {
    ViewOffsetY = 448;
    WorldPosition = 29380 + 150;
    Devil.patrolCount = -40;
    for (int f = 0; f < 10; ++f) UpdateDevil();
    EXPECT_EQ(Devil.contactPos, 29380);
    Devil.patrolCount = 10;
    Devil.chaseRightPending = 1;
    UpdateDevil();
    EXPECT_EQ(Devil.contactPos, 29381);
    EXPECT_EQ(Devil.nextFrame, 4);
    EXPECT_EQ(Devil.patrolCount, 11);
}

TEST_F(Chasers, PatrolTurnsOverAt600) {
    for (int f = 0; f < 599; ++f) UpdateDevil();
    EXPECT_EQ(Devil.contactPos, 29380 + 599);
    UpdateDevil();
    EXPECT_EQ(Devil.patrolCount, -599);
    EXPECT_EQ(Devil.contactPos, 29380 + 598);
}

TEST_F(Chasers, AfterAStrikeTheChaseShowsOnlyLoadedFrames) {
    GroundDroid.patrolCount = 100;
    GroundDroid.nextFrame = 7;
    ViewOffsetY = 192;
    for (int f = 0; f < 400; ++f) {
        WorldPosition = GroundDroid.contactPos - 200;  // the hero keeps his distance
        UpdateGroundDroid();
        ASSERT_LE(GroundDroid.object.currentFrame, 7);
        ASSERT_LE(GroundDroid.nextFrame, 7);
    }
}

TEST_F(Chasers, AHeldPunchTakes10EveryFrameWithoutTheLatch) {
    StandAt(Devil.contactPos, 50);
    Devil.engaged = 1;
    for (int f = 1; f <= 9; ++f) {
        PunchActive = true;
        UpdateDevil();
        EXPECT_FALSE(PunchActive) << "the Devil clears the punch";
    }
    EXPECT_EQ(Devil.hitPoints, 10);
    EXPECT_FALSE(BossPunched);
    PunchActive = true;
    UpdateDevil();
    EXPECT_EQ(Devil.hitPoints, 0);
    EXPECT_EQ(Devil.contactPos, 29380 - ParkDistance);
    EXPECT_EQ(Devil.engaged, 0);
}

TEST_F(Chasers, StrikesLikeAWalkerWithPeriod6) {
    StandAt(GroundDroid.contactPos, 50);
    GroundDroid.engaged = 1;
    std::vector<int> hits;
    for (int f = 1; f <= 30; ++f) {
        const int health = HeroHealth;
        UpdateGroundDroid();
        if (HeroHealth != health) hits.push_back(f);
    }
    EXPECT_EQ(hits, (std::vector<int>{6, 18, 30}));
    EXPECT_EQ(GroundDroid.contactPos, 21630) << "an engaged chaser does not move";
}

}  // namespace
