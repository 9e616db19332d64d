// The title's keys and segment jumps, the other screens' Enter, and the new-game rule.
#include <SDL.h>

#include <vector>

#include "app/screens.h"
#include "display/display.h"
#include "game/segments.h"
#include "tests/game/play_fixture.h"

namespace {

using Title = Play;

TEST_F(Title, F1StartsAtTheBeginning)
{
    Start(DIK_F1);
    EXPECT_EQ(SegmentNumber, 1);
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_EQ(ViewOffsetY, 64);
    EXPECT_TRUE(VoicePlayed);
}

TEST_F(Title, F3MovesTheWholeWorldForward)
{
    Start(DIK_F3);
    EXPECT_EQ(SegmentNumber, 3);
    EXPECT_EQ(WorldPosition, 15264);
    EXPECT_EQ(ViewOffsetY, 64);
    EXPECT_FLOAT_EQ(Barb.objects[0].posX, -14764.0f);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, 346.0f);
}

TEST_F(Title, F2MovesTheViewDownThreeRowsAndTheShotByFour)
{
    Start(DIK_F2);
    EXPECT_EQ(SegmentNumber, 2);
    EXPECT_EQ(WorldPosition, 7064);
    EXPECT_EQ(ViewOffsetY, 256);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, 346.0f);
    EXPECT_FLOAT_EQ(RDino.object.posX, 6700.0f - 7064.0f);
    EXPECT_FLOAT_EQ(Archer.shots[9].posX, 14300.0f - 7064.0f);
    EXPECT_FLOAT_EQ(SkelGround.objects[23].posX, 29260.0f - 7064.0f);
}

TEST_F(Title, F2AndF4TogetherAddBothJumps)
{
    RunPasses(1, {DIK_F2, DIK_F4});
    EXPECT_EQ(GameState, GameStatePlay);
    EXPECT_EQ(SegmentNumber, 4);
    EXPECT_EQ(WorldPosition, 29828);
    EXPECT_EQ(ViewOffsetY, 384);
    EXPECT_FLOAT_EQ(Barb.objects[0].posX, 500.0f - 29828.0f);
    EXPECT_FLOAT_EQ(Devil.object.posX, 29600.0f - 29828.0f);
    EXPECT_FLOAT_EQ(HeroShotObject.posX, 342.0f);
}

TEST_F(Title, F5WinsOverF1ButF1StillSetsTheSegment)
{
    RunPasses(1, {DIK_F5, DIK_F1});
    EXPECT_EQ(GameState, GameStateStory);
    EXPECT_EQ(SegmentNumber, 1);
    RunPasses(3);
    EXPECT_EQ(GameState, GameStateStory);
    RunPasses(1, {DIK_RETURN});
    EXPECT_EQ(GameState, GameStateTitle);
}

TEST_F(Title, EnterOnTheTitleDoesNothing)
{
    RunPasses(5, {DIK_RETURN});
    EXPECT_EQ(GameState, GameStateTitle);
}

TEST_F(Title, TheVoicePlaysOnTheFirstTitleFrameOnly)
{
    EXPECT_FALSE(VoicePlayed);
    RunPasses(1);
    EXPECT_TRUE(VoicePlayed);
    // The story and back: the flag stays set, so the title does not speak again.
    RunPasses(1, {DIK_F5});
    RunPasses(1, {DIK_RETURN});
    ASSERT_EQ(GameState, GameStateTitle);
    RunPasses(1);
    EXPECT_TRUE(VoicePlayed);
}

TEST_F(Title, ANewGameAfterAWinStartsFromTheBeginning)
{
    Start(DIK_F4);
    ClearEnemies();
    SegmentNumber = 5;
    MoveTo(32296);
    RunPasses(2, {DIK_RIGHT});
    ASSERT_EQ(GameState, GameStateWin);
    ASSERT_TRUE(TileSetLoaded[3]);
    ActionPose = true;
    LoadBlitterAnimation(&HeroObject, 0, 4, HeroAnimTable[AnimJumpRight]);
    RunPasses(1, {DIK_RETURN});
    RunPasses(1, {DIK_F1});
    ASSERT_EQ(GameState, GameStatePlay);
    EXPECT_EQ(WorldPosition, 0);
    EXPECT_EQ(ViewOffsetY, 64);
    EXPECT_EQ(SegmentNumber, 1);
    EXPECT_EQ(HeroHealth, 100);
    EXPECT_EQ(HeroAmmo, 8);
    for (bool loaded : TileSetLoaded) EXPECT_FALSE(loaded);
    EXPECT_FALSE(ActionPose);
    EXPECT_EQ(HeroObject.animLists[0][1], 1);
    EXPECT_FLOAT_EQ(Barb.objects[0].posX, 500.0f);
    // The next frame plays on instead of going straight back to the win screen.
    RunPasses(1);
    EXPECT_EQ(GameState, GameStatePlay);
}

TEST_F(Title, ANewGameAfterADeathClearsThePerRunState)
{
    Start(DIK_F2);
    RunPasses(1, {DIK_SPACE});
    HeroAmmo = 2;
    HeroHealth = 0;
    RunPasses(1);
    ASSERT_EQ(GameState, GameStateDeath);
    RunPasses(1, {DIK_RETURN});
    RunPasses(1, {DIK_F3});
    EXPECT_EQ(HeroAmmo, 8);
    EXPECT_EQ(WorldPosition, 15264);
    EXPECT_EQ(ViewOffsetY, 64);
    EXPECT_FLOAT_EQ(Barb.objects[0].posX, -14764.0f);
}

// The hero's rectangle on the back buffer.
std::vector<uint8_t> HeroPicture()
{
    SDL_Surface* back = TheDisplay.backSurface;
    std::vector<uint8_t> pixels;
    for (int y = HeroGroundY; y < HeroGroundY + 74; ++y) {
        const auto* row = static_cast<const uint8_t*>(back->pixels) + y * back->pitch;
        pixels.insert(pixels.end(), row + HeroScreenX, row + HeroScreenX + 94);
    }
    return pixels;
}

TEST_F(Title, ANewGameAfterADeathOrAWinInMidJumpShowsTheHeroStanding)
{
    Start(DIK_F1);
    RunPasses(1);
    const std::vector<uint8_t> standing = HeroPicture();
    ASSERT_EQ(HeroObject.currentFrame, 0);
    // A death in the air: the jump picture is on show when it happens.
    RunPasses(6, {DIK_RIGHT, DIK_UP});
    ASSERT_EQ(HeroObject.currentFrame, 12);
    HeroHealth = 0;
    RunPasses(1, {DIK_RIGHT, DIK_UP});
    ASSERT_EQ(GameState, GameStateDeath);
    RunPasses(1, {DIK_RETURN});
    RunPasses(1, {DIK_F1});
    EXPECT_EQ(HeroObject.currentAnim, AnimWalkRight);
    EXPECT_EQ(HeroObject.currentFrame, 0);
    EXPECT_EQ(HeroObject.animStep, 0);
    EXPECT_EQ(HeroObject.animTicks, 0);
    RunPasses(1);
    EXPECT_EQ(HeroPicture(), standing);

    // A win in the air, facing left: the same.
    ClearEnemies();
    SegmentNumber = 5;
    MoveTo(32280);
    RunPasses(6, {DIK_LEFT, DIK_UP});
    ASSERT_EQ(HeroObject.currentFrame, 16);
    MoveTo(32300);
    RunPasses(1, {DIK_LEFT, DIK_UP});
    ASSERT_EQ(GameState, GameStateWin);
    RunPasses(1, {DIK_RETURN});
    RunPasses(1, {DIK_F1});
    RunPasses(1);
    EXPECT_EQ(HeroObject.currentFrame, 0);
    EXPECT_EQ(HeroPicture(), standing);
}

}  // namespace
