// How play ends: the death screen with the world reset, and the win screen.
#include "tests/game/play_fixture.h"

namespace {

TEST_F(Play, NoHealthLeftEndsInTheDeathScreenWithTheWorldReset)
{
    Start();
    Frames(20, {DIK_RIGHT});
    Barb.objects[0].posX += 1000;
    HeroAmmo = 3;
    HeroHealth = 0;
    Frames(1);
    EXPECT_EQ(GameState, GameStateDeath);
    EXPECT_EQ(HeroHealth, 100);
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_EQ(ViewOffsetY, 64);
    EXPECT_FLOAT_EQ(Barb.objects[0].posX, 500);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, 350);
    EXPECT_FLOAT_EQ(HeroShotObject.posY, 255);
    EXPECT_EQ(HeroAmmo, 3);  // a death leaves the ammunition as it was
}

TEST_F(Play, DeathWinsOverTheWinInTheSameFrame)
{
    Start();
    ClearEnemies();
    SegmentNumber = 5;
    MoveTo(32296);
    Frames(1);
    HeroHealth = 0;
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(GameState, GameStateDeath);
    EXPECT_EQ(WorldPosition, 0);
}

TEST_F(Play, ReachingTheWinPositionShowsTheWinScreen)
{
    Start();
    ClearEnemies();
    SegmentNumber = 5;
    MoveTo(32292);
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 32296);
    EXPECT_EQ(GameState, GameStatePlay);
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, 32300);
    EXPECT_EQ(GameState, GameStateWin);
    // Nothing is reset by a win.
    Frames(3);
    EXPECT_EQ(WorldPosition, 32300);
    Frames(1, {DIK_RETURN});
    EXPECT_EQ(GameState, GameStateTitle);
}

}  // namespace
