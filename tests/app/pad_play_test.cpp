// A gamepad through the main loop: Start's meaning follows the screen, and one press is one step.
#include <gtest/gtest.h>

#include "app/pad_mappings.h"
#include "app/pause.h"
#include "game/game_state.h"
#include "game/world.h"
#include "input/gamepad.h"
#include "input/keyboard.h"
#include "tests/input/virtual_pad.h"
#include "tests/support/scratch_folder.h"
#include "tools/sim/simulator.h"

namespace {

class PadPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartSimulator()) << SimulatorError();
        ASSERT_EQ(InitGamepads(), 1);
    }
    void TearDown() override { ShutdownGamepads(); }
};

TEST_F(PadPlay, StartBeginsPlayThenPausesAndResumesOnePressAtATime)
{
    VirtualPad pad;
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    ASSERT_TRUE(RunPasses(1));
    ASSERT_EQ(GameState, GameStatePlay);
    ASSERT_TRUE(RunPasses(5));  // still held from the title: it stays F1, no pause
    EXPECT_FALSE(GamePaused);
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    ASSERT_TRUE(RunPasses(4));
    EXPECT_EQ(WorldPosition, 16);
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    ASSERT_TRUE(RunPasses(6));
    EXPECT_TRUE(GamePaused);
    EXPECT_EQ(WorldPosition, 16);
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    ASSERT_TRUE(RunPasses(1));
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    ASSERT_TRUE(RunPasses(1));
    EXPECT_FALSE(GamePaused);
    ASSERT_TRUE(RunPasses(1));
    EXPECT_EQ(WorldPosition, 20);
}

TEST_F(PadPlay, StartLeavesTheDeathScreenForTheTitleWithoutStartingAGame)
{
    VirtualPad pad;
    GameState = GameStateDeath;
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    ASSERT_TRUE(RunPasses(1));
    EXPECT_EQ(GameState, GameStateTitle);
    ASSERT_TRUE(RunPasses(5));
    EXPECT_EQ(GameState, GameStateTitle);
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    pad.Button(SDL_CONTROLLER_BUTTON_BACK, true);
    ASSERT_TRUE(RunPasses(1));
    EXPECT_EQ(GameState, GameStateStory);
}

TEST_F(PadPlay, BackWithStartQuitsEvenWhilePaused)
{
    VirtualPad pad;
    ASSERT_TRUE(RunPasses(1, {DIK_F1}));
    ASSERT_TRUE(RunPasses(1, {DIK_P}));
    ASSERT_TRUE(GamePaused);
    pad.Button(SDL_CONTROLLER_BUTTON_BACK, true);
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    int passes = 0;
    while (passes < 10 && RunPasses(1)) ++passes;
    EXPECT_LT(passes, 10);
    EXPECT_EQ(SimulatorExitCode(), 0);
}

// A handheld's built-in pad that SDL cannot map, with its line put beside the program: the
// whole game through it alone, from the title into land 1 and out.
TEST_F(PadPlay, AHandheldPadMappedBesideTheProgramPlaysFromTheTitleIntoLandOneAndQuits)
{
    const ScratchFolder program;
    VirtualPad stick(UnmappedStick(), VirtualPad::Pump::Later);
    WriteText(program / PadMappingFileName, UnmappedStickMapping(stick.Guid()));
    LoadPadMappings(program.Path());
    ASSERT_EQ(GameState, GameStateTitle);
    stick.Button(StickButton::Start, true);
    ASSERT_EQ(OpenGamepadCount(), 1);
    ASSERT_TRUE(RunPasses(1));
    ASSERT_EQ(GameState, GameStatePlay);
    EXPECT_EQ(SegmentNumber, 1);
    stick.Button(StickButton::Start, false);
    stick.Button(StickButton::Right, true);
    ASSERT_TRUE(RunPasses(4));
    EXPECT_EQ(WorldPosition, 16);
    stick.Button(StickButton::Right, false);
    stick.Button(StickButton::Back, true);
    stick.Button(StickButton::Start, true);
    int passes = 0;
    while (passes < 10 && RunPasses(1)) ++passes;
    EXPECT_LT(passes, 10);
    EXPECT_EQ(SimulatorExitCode(), 0);
}

}  // namespace
