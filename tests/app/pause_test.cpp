// Pausing play: what starts and ends it, and that a paused game changes nothing.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "app/pause.h"
#include "display/display.h"
#include "game/game_state.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "input/window_messages.h"
#include "tools/sim/simulator.h"

namespace {

std::string Dump()
{
    std::ostringstream out;
    DumpGameState(out);
    return out.str();
}

std::vector<uint8_t> BackBufferRows(int first, int last)
{
    SDL_Surface* back = TheDisplay.backSurface;
    std::vector<uint8_t> rows;
    for (int y = first; y < last; ++y) {
        const auto* row = static_cast<const uint8_t*>(back->pixels) + y * back->pitch;
        rows.insert(rows.end(), row, row + back->w);
    }
    return rows;
}

class Pause : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StartSimulator()) << SimulatorError(); }

    static void StartPlay()
    {
        ASSERT_TRUE(RunPasses(1, {DIK_F1}));
        ASSERT_TRUE(RunPasses(20, {DIK_RIGHT}));
        ASSERT_EQ(GameState, GameStatePlay);
    }
};

TEST_F(Pause, PausedPlayRunsNoFrameAndChangesNoGameValue)
{
    StartPlay();
    const std::string before = Dump();
    ASSERT_TRUE(RunPasses(1, {DIK_P}));
    ASSERT_TRUE(GamePaused);
    const int worldPosition = WorldPosition;
    const unsigned time = SimulatedTime();
    std::memset(KeyState, 0, sizeof KeyState);
    ASSERT_TRUE(RunPasses(40, {DIK_RIGHT, DIK_SPACE, DIK_UP}));
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(WorldPosition, worldPosition);
    // Every frame reads the keyboard first: the snapshot was never taken.
    EXPECT_EQ(KeyState[DIK_RIGHT], 0);
    // The paused loop sleeps in every pass instead of spinning.
    EXPECT_EQ(SimulatedTime() - time, 40u * 30u);

    ASSERT_TRUE(RunPasses(1));
    ASSERT_TRUE(RunPasses(1, {DIK_PAUSE}));  // the other key ends it as well
    EXPECT_FALSE(GamePaused);
    EXPECT_EQ(Dump(), before);
    ASSERT_TRUE(RunPasses(1, {DIK_RIGHT}));
    EXPECT_EQ(WorldPosition, worldPosition + 4);
}

TEST_F(Pause, TheLastPictureStaysWithTheBannerAcrossItsMiddle)
{
    StartPlay();
    const std::vector<uint8_t> above = BackBufferRows(0, 96);
    const std::vector<uint8_t> below = BackBufferRows(200, 448);
    const std::vector<uint8_t> middle = BackBufferRows(96, 200);
    ASSERT_TRUE(RunPasses(1, {DIK_P}));
    ASSERT_TRUE(RunPasses(10));
    EXPECT_EQ(BackBufferRows(0, 96), above);
    EXPECT_EQ(BackBufferRows(200, 448), below);
    EXPECT_NE(BackBufferRows(96, 200), middle);
}

TEST_F(Pause, FocusLostOrMinimisedPausesPlayUntilThePlayerGoesOn)
{
    // The title screen never pauses.
    PostWindowMessage(WM_KILLFOCUS);
    ASSERT_TRUE(RunPasses(1));
    EXPECT_FALSE(GamePaused);
    StartPlay();
    PostWindowMessage(WM_KILLFOCUS);
    const int worldPosition = WorldPosition;
    ASSERT_TRUE(RunPasses(5, {DIK_RIGHT}));
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(WorldPosition, worldPosition);
    // A second focus loss does not end it; only the player's key does.
    PostWindowMessage(WM_KILLFOCUS);
    ASSERT_TRUE(RunPasses(2));
    EXPECT_TRUE(GamePaused);
    ASSERT_TRUE(RunPasses(1, {DIK_P}));
    EXPECT_FALSE(GamePaused);

    PostWindowMessage(WM_SIZE, 0);  // resized, not minimised
    ASSERT_TRUE(RunPasses(2, {DIK_RIGHT}));
    EXPECT_FALSE(GamePaused);
    EXPECT_EQ(WorldPosition, worldPosition + 8);
    PostWindowMessage(WM_SIZE, SIZE_MINIMIZED);
    ASSERT_TRUE(RunPasses(3, {DIK_RIGHT}));
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(WorldPosition, worldPosition + 8);
}

TEST_F(Pause, OnlyAPressInPlayCountsNotAKeyHeldFromTheTitle)
{
    ASSERT_TRUE(RunPasses(3, {DIK_P}));  // the title screen goes on
    EXPECT_FALSE(GamePaused);
    EXPECT_EQ(GameState, GameStateTitle);
    ASSERT_TRUE(RunPasses(1, {DIK_P, DIK_F1}));
    ASSERT_EQ(GameState, GameStatePlay);
    ASSERT_TRUE(RunPasses(4, {DIK_P, DIK_RIGHT}));
    EXPECT_FALSE(GamePaused);
    EXPECT_EQ(WorldPosition, 16);
    ASSERT_TRUE(RunPasses(1, {DIK_RIGHT}));
    ASSERT_TRUE(RunPasses(1, {DIK_P, DIK_RIGHT}));
    EXPECT_TRUE(GamePaused);
    // Held on, the key does not toggle again.
    ASSERT_TRUE(RunPasses(5, {DIK_P, DIK_RIGHT}));
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(WorldPosition, 20);
}

TEST_F(Pause, EscapeWhilePausedQuitsWithExitCodeZero)
{
    StartPlay();
    ASSERT_TRUE(RunPasses(1, {DIK_PAUSE}));
    ASSERT_TRUE(GamePaused);
    int passes = 0;
    while (passes < 10 && RunPasses(1, {DIK_ESCAPE})) ++passes;
    EXPECT_LT(passes, 10);
    EXPECT_EQ(SimulatorExitCode(), 0);
    EXPECT_TRUE(GamePaused);  // no frame ran on the way out
}

}  // namespace
