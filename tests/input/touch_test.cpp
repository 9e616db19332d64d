// Fingers feed the keys the keyboard and the pads feed: driven by SDL's own finger events on a
// landscape phone's window, through the game's message pump.
#include <gtest/gtest.h>

#include <vector>

#include "input/keyboard.h"
#include "input/touch.h"
#include "tests/input/fingers.h"

namespace {

constexpr int TouchKeys[] = {DIK_LEFT, DIK_RIGHT, DIK_UP,   DIK_DOWN, DIK_SPACE, DIK_RMENU, DIK_PAUSE,
                             DIK_F1,   DIK_F2,    DIK_F3,   DIK_F4,   DIK_F5,    DIK_RETURN};

class Touch : public ::testing::Test {
protected:
    uint8_t keyboard[256] = {};

    void SetUp() override
    {
        UseScriptedKeys(keyboard);
        SetTouchSet(TouchSetPlay);
        // The first touch only brings the controls.
        fingers.Down(9, 1, 1);
        fingers.Up(9);
        ASSERT_TRUE(TouchControlsShown());
    }
    void TearDown() override { UseScriptedKeys(nullptr); }

    // The main loop names the screen's set at the start of every frame.
    static void NextFrame() { SetTouchSet(TouchSetPlay); }

    // The key codes held in this frame's snapshot, among those touch can reach.
    static std::vector<int> Held()
    {
        ReadKeyboard();
        std::vector<int> held;
        for (int code : TouchKeys) {
            if (KeyState[code]) held.push_back(code);
        }
        return held;
    }

    Fingers fingers;
};

using Keys = std::vector<int>;

}  // namespace

TEST(TouchShown, TheFirstTouchBringsTheControlsAndPressesNothing)
{
    Fingers fingers;
    SetTouchSet(TouchSetPlay);
    EXPECT_FALSE(TouchControlsShown());
    EXPECT_EQ(fingers.Layout().placement, PlacementHidden);
    // Where fire will be: the player has not seen it yet.
    ShowTouchControls();
    const float x = fingers.CentreX(ControlFire), y = fingers.CentreY(ControlFire);
    HideTouchControls();
    fingers.Down(0, x, y);
    EXPECT_TRUE(TouchControlsShown());
    SetTouchSet(TouchSetPlay);
    EXPECT_FALSE(TouchHoldsKey(DIK_SPACE));
    fingers.Up(0);
    fingers.Down(0, x, y);
    EXPECT_TRUE(TouchHoldsKey(DIK_SPACE));
    EXPECT_TRUE(TouchControlHeld(ControlFire));
    fingers.Up(0);
    EXPECT_FALSE(TouchControlHeld(ControlFire));
}

TEST_F(Touch, TheDpadFingerSteersByAngleAlsoOffThePadAndOverOtherButtons)
{
    fingers.DownOn(0, ControlRight);
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT}));
    EXPECT_TRUE(TouchControlHeld(ControlRight));
    const ScreenRect pad = fingers.Layout().dpad;
    const float x = pad.x + pad.width / 2.0f, y = pad.y + pad.height / 2.0f;
    fingers.Move(0, x + 40, y - 40);  // up and right: a forward jump
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT, DIK_UP}));
    fingers.Move(0, x + 2, y + 2);  // back to the centre: the dead zone
    EXPECT_EQ(Held(), Keys{});
    fingers.Move(0, x - pad.width, y + 5);  // slid far off the pad, to the left
    EXPECT_EQ(Held(), (Keys{DIK_LEFT}));
    fingers.Move(0, x, y + pad.width * 2);  // below the pad, even off the window's foot
    EXPECT_EQ(Held(), (Keys{DIK_DOWN}));
    // Over fire, still the d-pad's (fire lies to the right of its centre).
    fingers.MoveOnto(0, ControlFire);
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT}));
    fingers.Up(0);
    EXPECT_EQ(Held(), Keys{});
}

TEST_F(Touch, AButtonFingerPressesTheButtonItSlidesOnto)
{
    fingers.DownOn(0, ControlFire);
    NextFrame();
    EXPECT_EQ(Held(), (Keys{DIK_SPACE}));
    fingers.MoveOnto(0, ControlJump);
    NextFrame();
    EXPECT_EQ(Held(), (Keys{DIK_UP}));
    EXPECT_FALSE(TouchControlHeld(ControlFire));
    fingers.MoveOnto(0, ControlPunch);
    NextFrame();
    EXPECT_EQ(Held(), (Keys{DIK_RMENU}));
    // Off every button, and onto the d-pad, which belongs to fingers that start there.
    fingers.MoveOnto(0, ControlLeft);
    NextFrame();
    EXPECT_EQ(Held(), Keys{});
}

TEST_F(Touch, SeveralFingersHoldTheirKeysTogether)
{
    fingers.DownOn(0, ControlRight);
    fingers.DownOn(1, ControlFire);
    fingers.DownOn(2, ControlJump);
    NextFrame();
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT, DIK_UP, DIK_SPACE}));
    fingers.Up(1);
    NextFrame();
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT, DIK_UP}));
    // The key query sees them as the snapshot does.
    fingers.DownOn(1, ControlPause);
    EXPECT_TRUE(KeyDownNow(VK_PAUSE));
}

TEST_F(Touch, ATapShorterThanAFrameCountsInOneFrame)
{
    fingers.DownOn(0, ControlPause);
    fingers.Up(0);
    NextFrame();  // the frame after the tap
    EXPECT_TRUE(KeyDownNow(VK_PAUSE));
    NextFrame();
    EXPECT_FALSE(KeyDownNow(VK_PAUSE));
}

TEST_F(Touch, AFingerHeldIntoTheNextScreenPressesNothingThereUntilLifted)
{
    // Fire held as the boss falls: the win screen's back button lies under the same thumb.
    fingers.DownOn(0, ControlFire);
    SetTouchSet(TouchSetBack);
    EXPECT_EQ(Held(), Keys{});
    fingers.MoveOnto(0, ControlBack);
    SetTouchSet(TouchSetBack);
    EXPECT_EQ(Held(), Keys{});
    EXPECT_FALSE(KeyDownNow(VK_RETURN));
    fingers.Up(0);
    fingers.DownOn(0, ControlBack);
    EXPECT_TRUE(KeyDownNow(VK_RETURN));
    // The title's buttons, then.
    fingers.Up(0);
    SetTouchSet(TouchSetTitle);
    fingers.DownOn(0, ControlLand3);
    EXPECT_TRUE(KeyDownNow(VK_F3));
    EXPECT_FALSE(KeyDownNow(VK_F1));
}

TEST_F(Touch, LosingTheFocusOrTurningTheScreenLetsGoOfEveryFinger)
{
    for (Uint8 what : {SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_HIDDEN, SDL_WINDOWEVENT_SIZE_CHANGED}) {
        SCOPED_TRACE(static_cast<int>(what));
        fingers.DownOn(0, ControlRight);
        fingers.DownOn(1, ControlFire);
        ASSERT_EQ(Held(), (Keys{DIK_RIGHT, DIK_SPACE}));
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = what;
        event.window.windowID = SDL_GetWindowID(fingers.Window());
        SDL_PushEvent(&event);
        WindowMessage msg;
        while (PeekWindowMessage(&msg)) {
        }
        EXPECT_EQ(Held(), Keys{});
        // Still down, and moving: nothing until lifted.
        fingers.MoveOnto(1, ControlJump);
        EXPECT_EQ(Held(), Keys{});
        fingers.Up(0);
        fingers.Up(1);
        fingers.DownOn(1, ControlFire);
        EXPECT_EQ(Held(), (Keys{DIK_SPACE}));
        fingers.Up(1);
    }
}

TEST_F(Touch, AKeyOrAPadHidesTheControlsAndLetsGo)
{
    fingers.DownOn(0, ControlFire);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_SPACE;
    SDL_PushEvent(&key);
    WindowMessage msg;
    while (PeekWindowMessage(&msg)) {
    }
    EXPECT_FALSE(TouchControlsShown());
    EXPECT_EQ(fingers.Layout().placement, PlacementHidden);
    EXPECT_EQ(Held(), Keys{});
    fingers.Up(0);
    ShowTouchControls();
    SDL_Event pad{};
    pad.type = SDL_CONTROLLERAXISMOTION;
    pad.caxis.value = 2000;  // a stick at rest, a little off centre: no use
    SDL_PushEvent(&pad);
    while (PeekWindowMessage(&msg)) {
    }
    EXPECT_TRUE(TouchControlsShown());
    pad.type = SDL_CONTROLLERBUTTONDOWN;
    SDL_PushEvent(&pad);
    while (PeekWindowMessage(&msg)) {
    }
    EXPECT_FALSE(TouchControlsShown());
}

TEST_F(Touch, TouchesMadeFromTheMouseAreNoFingers)
{
    fingers.device = SDL_MOUSE_TOUCHID;
    fingers.DownOn(0, ControlFire);
    EXPECT_EQ(Held(), Keys{});
    fingers.device = 1;
    fingers.DownOn(0, ControlFire);
    EXPECT_EQ(Held(), (Keys{DIK_SPACE}));
}
