// Touch through the main loop on a landscape phone: the title's buttons start play, the d-pad
// walks while a second finger fires, pause pauses and goes on, and a finger held into the next
// screen does nothing there.
#include <gtest/gtest.h>

#include <memory>

#include "app/pause.h"
#include "game/game_state.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "input/touch.h"
#include "tests/input/fingers.h"
#include "tools/sim/simulator.h"

namespace {

class TouchPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StartSimulator()) << SimulatorError();
        fingers = std::make_unique<Fingers>(844, 390);
        ShowTouchControls();  // as a game started by a tap on the page
        ASSERT_TRUE(RunPasses(1));
    }
    // A tap held for a frame, and the frame after it, which names the next screen's controls.
    void Tap(int control)
    {
        fingers->DownOn(0, control);
        ASSERT_TRUE(RunPasses(1));
        fingers->Up(0);
        ASSERT_TRUE(RunPasses(1));
    }

    std::unique_ptr<Fingers> fingers;
};

}  // namespace

TEST_F(TouchPlay, LandButtonsStartPlayAndTheDpadWalksWhileASecondFingerFires)
{
    Tap(ControlLand1);
    ASSERT_EQ(GameState, GameStatePlay);
    EXPECT_EQ(SegmentNumber, 1);
    fingers->DownOn(1, ControlRight);
    ASSERT_TRUE(RunPasses(4));
    EXPECT_EQ(WorldPosition, 16);
    const int ammo = HeroAmmo;
    fingers->DownOn(2, ControlFire);
    ASSERT_TRUE(RunPasses(2));
    fingers->Up(2);
    ASSERT_TRUE(RunPasses(50));  // the shot's whole flight
    EXPECT_EQ(HeroAmmo, ammo - 1);
    EXPECT_TRUE(TouchHoldsKey(DIK_RIGHT));  // the d-pad's thumb stayed down throughout
    fingers->Up(1);
    ASSERT_TRUE(RunPasses(1));
    fingers->DownOn(1, ControlRight);
    const int position = WorldPosition;
    ASSERT_TRUE(RunPasses(2));
    EXPECT_EQ(WorldPosition, position + 8);
}

TEST_F(TouchPlay, ALandFurtherOnStartsThere)
{
    Tap(ControlLand3);
    ASSERT_EQ(GameState, GameStatePlay);
    EXPECT_EQ(SegmentNumber, 3);
    EXPECT_EQ(WorldPosition, 15264);
}

TEST_F(TouchPlay, PausePausesAndTheNextTapGoesOn)
{
    Tap(ControlLand1);
    fingers->DownOn(1, ControlRight);
    Tap(ControlPause);
    ASSERT_TRUE(GamePaused);
    ASSERT_TRUE(RunPasses(5));
    EXPECT_TRUE(GamePaused);
    const int position = WorldPosition;
    // The pause let go of the d-pad: going on walks nobody until the thumb comes down again.
    Tap(ControlPause);
    EXPECT_FALSE(GamePaused);
    ASSERT_TRUE(RunPasses(3));
    EXPECT_EQ(WorldPosition, position);
    fingers->Up(1);
    fingers->DownOn(1, ControlRight);
    ASSERT_TRUE(RunPasses(3));
    EXPECT_EQ(WorldPosition, position + 12);
}

TEST_F(TouchPlay, FireHeldAsPlayEndsIsNoTapOnTheScreenThatFollows)
{
    Tap(ControlLand1);
    fingers->DownOn(1, ControlFire);
    ASSERT_TRUE(RunPasses(1));
    GameState = GameStateWin;  // the last boss falls under the player's thumb
    ASSERT_TRUE(RunPasses(1));
    fingers->MoveOnto(1, ControlBack);
    ASSERT_TRUE(RunPasses(10));
    EXPECT_EQ(GameState, GameStateWin);
    fingers->Up(1);
    Tap(ControlBack);
    EXPECT_EQ(GameState, GameStateTitle);
    Tap(ControlStory);
    EXPECT_EQ(GameState, GameStateStory);
}
