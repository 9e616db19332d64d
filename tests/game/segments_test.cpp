#include "game/segments.h"

#include "tests/game/play_fixture.h"

namespace {

TEST(Segments, GateWindowsAreInclusive)
{
    EXPECT_FALSE(InGateWindow(6500));
    EXPECT_TRUE(InGateWindow(6501));
    EXPECT_TRUE(InGateWindow(7064));
    EXPECT_FALSE(InGateWindow(7065));
    EXPECT_FALSE(InGateWindow(29999));
    EXPECT_TRUE(InGateWindow(30000));
    EXPECT_TRUE(InGateWindow(30400));
    EXPECT_FALSE(InGateWindow(30401));
}

TEST_F(Play, TheRightLimitHoldsUntilTheBossIsBeaten)
{
    Start();
    ClearEnemies();
    MoveTo(6496);
    Frames(1, {DIK_RIGHT});
    ASSERT_EQ(WorldPosition, 6499);
    const float shotX = HeroShotObject.posX;
    Frames(10, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 6499);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, shotX);
    EXPECT_EQ(SegmentNumber, 1);

    RDino.hitPoints = 0;
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(SegmentNumber, 2);
    EXPECT_EQ(WorldPosition, 6503);
    EXPECT_FALSE(BetweenSegments);
    Frames(1, {DIK_RIGHT});
    EXPECT_TRUE(BetweenSegments);
}

TEST_F(Play, EnteringSegmentTwoRefillsOnceAndLoadsItsTiles)
{
    Start();
    ClearEnemies();
    RDino.hitPoints = 0;
    SegmentNumber = 2;
    MoveTo(6996);
    HeroHealth = 40;
    HeroAmmo = 2;
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 7000);
    EXPECT_EQ(HeroAmmo, 2);  // the switch is tested before the hero moves
    Frames(1);
    EXPECT_EQ(HeroHealth, 100);
    EXPECT_EQ(HeroAmmo, 10);
    EXPECT_TRUE(TileSetLoaded[0]);
    EXPECT_FALSE(TileSetLoaded[1]);

    HeroAmmo = 3;
    MoveTo(7100);
    Frames(20, {DIK_LEFT});
    Frames(20, {DIK_RIGHT});
    EXPECT_EQ(HeroAmmo, 3);
}

TEST_F(Play, EachLaterSegmentRefillsAtItsSwitchPosition)
{
    Start();
    ClearEnemies();
    struct Switch {
        int position;
        int health;
        int ammo;
        int flag;
    };
    for (const Switch& entry : {Switch{15200, 100, 5, 1}, Switch{22700, 150, 10, 2}, Switch{30400, 100, 100, 3}}) {
        SegmentNumber = entry.flag + 1;
        MoveTo(entry.position - 1);
        Frames(1);
        EXPECT_FALSE(TileSetLoaded[entry.flag]) << entry.position;
        MoveTo(entry.position);
        Frames(1);
        EXPECT_TRUE(TileSetLoaded[entry.flag]) << entry.position;
        EXPECT_EQ(HeroHealth, entry.health) << entry.position;
        EXPECT_EQ(HeroAmmo, entry.ammo) << entry.position;
    }
}

TEST_F(Play, StepsLeftOntoTheLeftLimitShiftOnlyWhenTheWholeStepIsTaken)
{
    Start();
    ClearEnemies();
    SegmentNumber = 2;
    TileSetLoaded[0] = true;
    for (int from : {7066, 7067}) {
        MoveTo(from);
        const float shotX = HeroShotObject.posX;
        Frames(1, {DIK_LEFT});
        EXPECT_EQ(WorldPosition, 7064) << from;
        EXPECT_FLOAT_EQ(HeroShotObject.posX, shotX) << from;
    }
    MoveTo(7068);
    const float shotX = HeroShotObject.posX;
    Frames(1, {DIK_LEFT});
    EXPECT_EQ(WorldPosition, 7064);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, shotX + 4);
}

TEST_F(Play, NoWalkingLeftInAGateWindowNorBackOutOfANewSegment)
{
    Start();
    ClearEnemies();
    RDino.hitPoints = 0;
    SegmentNumber = 2;
    MoveTo(6600);
    Frames(3, {DIK_LEFT});
    EXPECT_EQ(WorldPosition, 6600);
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 6604);

    // Segment 2 has begun at 6499: its left limit lies 565 pixels ahead.
    MoveTo(6499);
    Frames(3, {DIK_LEFT});
    EXPECT_EQ(WorldPosition, 6499);
    EXPECT_EQ(HeroObject.currentAnim, AnimWalkLeft);
}

}  // namespace
