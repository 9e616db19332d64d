#include <gtest/gtest.h>

#include "app/main_loop.h"
#include "app/startup.h"
#include "game/game_state.h"
#include "input/frame_clock.h"
#include "input/keyboard.h"

namespace {

constexpr int NoFrame = 99;  // a state that runs no frame function

uint32_t ticks = 0;
uint32_t Ticks() { return ticks; }
void Sleep(uint32_t ms) { ticks += ms; }

}  // namespace

TEST(MainLoop, DestroyBecomesQuitAndTheQuitPassRunsNoFrame) {
    GameState = NoFrame;
    PostWindowMessage(WM_DESTROY);
    int exitCode = -1;
    EXPECT_TRUE(MainLoopPass(&exitCode));   // the destroy message posts the quit message
    EXPECT_FALSE(MainLoopPass(&exitCode));  // the quit message ends the loop
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(ShutDown(), 1);
    EXPECT_EQ(ShutDown(), 0);  // only once
}

TEST(MainLoop, CloseButtonTakesTheDestroyRoadAndOtherMessagesDoNotEndTheLoop) {
    GameState = NoFrame;
    PostWindowMessage(WM_PAINT);
    PostWindowMessage(WM_TOGGLEFULLSCREEN);  // no window: nothing to toggle
    PostWindowMessage(WM_CLOSE);
    int exitCode = -1;
    for (int pass = 0; pass < 3; ++pass) EXPECT_TRUE(MainLoopPass(&exitCode)) << pass;
    EXPECT_FALSE(MainLoopPass(&exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(MainLoopPass(&exitCode));  // an empty queue only runs the frame
}

TEST(MainLoop, QuitCarriesItsExitCode) {
    GameState = NoFrame;
    PostQuitMessage(3);
    EXPECT_EQ(RunMainLoop(), 3);
}

TEST(MainLoop, EscapeHeldOnTheTitleScreenEndsTheProgramAfterTwoFrames) {
    uint8_t keys[256] = {};
    keys[DIK_ESCAPE] = 0x80;
    UseScriptedKeys(keys);
    SetClockSource(Ticks, Sleep);
    GameState = GameStateTitle;
    EXPECT_EQ(RunMainLoop(), 0);
    // Frame 1 posts the destroy message; frame 2 runs while it turns into quit; the quit pass runs none.
    EXPECT_EQ(ticks, 60u);
    EXPECT_EQ(GameState, GameStateTitle);
    EXPECT_EQ(ShutDown(), 1);
    SetClockSource(nullptr, nullptr);
    UseScriptedKeys(nullptr);
}
