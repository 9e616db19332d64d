// Gamepads feed the keys the keyboard feeds; driven through SDL's virtual controllers.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "input/gamepad.h"
#include "input/keyboard.h"
#include "virtual_pad.h"

namespace {

constexpr int PlayKeys[] = {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN, DIK_SPACE, DIK_RMENU,
                            DIK_ESCAPE, DIK_RETURN, DIK_F1, DIK_F5, DIK_PAUSE};

class Gamepad : public ::testing::Test {
protected:
    uint8_t keyboard[256] = {};

    void SetUp() override
    {
        ASSERT_EQ(InitGamepads(), 1);
        UseScriptedKeys(keyboard);  // a keyboard with no key down, unless a test holds one
        SetPadStartKey(DIK_RETURN);
    }
    void TearDown() override
    {
        UseScriptedKeys(nullptr);
        ShutdownGamepads();
    }
    // The key codes held in this frame's snapshot, among those a pad can reach.
    static std::vector<int> Held()
    {
        ReadKeyboard();
        std::vector<int> held;
        for (int code : PlayKeys) {
            if (KeyState[code]) held.push_back(code);
        }
        return held;
    }
};

using Keys = std::vector<int>;

TEST_F(Gamepad, EachButtonAndTheStickHoldTheirKey)
{
    VirtualPad pad;
    ASSERT_EQ(OpenGamepadCount(), 1);
    EXPECT_EQ(Held(), Keys{});
    const struct {
        SDL_GameControllerButton button;
        int code;
    } buttons[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, DIK_LEFT}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, DIK_RIGHT},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, DIK_UP},     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, DIK_DOWN},
        {SDL_CONTROLLER_BUTTON_A, DIK_UP},           {SDL_CONTROLLER_BUTTON_X, DIK_SPACE},
        {SDL_CONTROLLER_BUTTON_B, DIK_RMENU},        {SDL_CONTROLLER_BUTTON_BACK, DIK_F5},
        {SDL_CONTROLLER_BUTTON_START, DIK_RETURN},   {SDL_CONTROLLER_BUTTON_Y, -1},
    };
    for (const auto& b : buttons) {
        pad.Button(b.button, true);
        EXPECT_EQ(Held(), b.code < 0 ? Keys{} : Keys{b.code}) << "button " << b.button;
        pad.Button(b.button, false);
        EXPECT_EQ(Held(), Keys{}) << "button " << b.button;
    }
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    EXPECT_EQ(Held(), Keys{DIK_LEFT});
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    EXPECT_EQ(Held(), Keys{DIK_RIGHT});
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);  // up and right at once: a jump forward
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT, DIK_UP}));
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);
    EXPECT_EQ(Held(), Keys{DIK_DOWN});
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    pad.Axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);  // the right stick means nothing
    EXPECT_EQ(Held(), Keys{});
}

TEST_F(Gamepad, TheStickCountsOnlyPastAThirdOfItsTravel)
{
    VirtualPad pad;
    constexpr Sint16 Third = 32767 / 3;
    for (Sint16 inside : {Sint16(Third - 200), Sint16(-Third + 200)}) {
        pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, inside);
        pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, inside);
        EXPECT_EQ(Held(), Keys{}) << inside;
    }
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, Third + 200);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -Third - 200);
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT, DIK_UP}));
}

TEST_F(Gamepad, StartMeansTheKeyOfTheScreenItWasPressedOnAndBackWithStartQuits)
{
    VirtualPad pad;
    SetPadStartKey(DIK_F1);
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_TRUE(KeyDownNow(VK_F1));
    EXPECT_FALSE(KeyDownNow(VK_RETURN));
    // The screen changes under the held button: it goes on meaning what it meant.
    SetPadStartKey(DIK_RETURN);
    EXPECT_TRUE(KeyDownNow(VK_F1));
    EXPECT_FALSE(KeyDownNow(VK_RETURN));
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_FALSE(KeyDownNow(VK_F1));
    EXPECT_FALSE(KeyDownNow(VK_RETURN));
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_TRUE(KeyDownNow(VK_RETURN));
    EXPECT_FALSE(KeyDownNow(VK_F1));

    pad.Button(SDL_CONTROLLER_BUTTON_BACK, true);
    EXPECT_TRUE(KeyDownNow(VK_ESCAPE));
    EXPECT_FALSE(KeyDownNow(VK_RETURN));
    EXPECT_FALSE(KeyDownNow(VK_F5));
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_FALSE(KeyDownNow(VK_ESCAPE));
    EXPECT_TRUE(KeyDownNow(VK_F5));
    SetPadStartKey(-1);
    pad.Button(SDL_CONTROLLER_BUTTON_BACK, false);
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_EQ(Held(), Keys{});
}

TEST_F(Gamepad, PadsComeAndGoWhileTheGameRunsAndTakeTheirKeysWithThem)
{
    auto first = std::make_unique<VirtualPad>();
    first->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(Held(), Keys{DIK_RIGHT});
    VirtualPad second;
    EXPECT_EQ(OpenGamepadCount(), 2);
    second.Button(SDL_CONTROLLER_BUTTON_X, true);
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT, DIK_SPACE}));
    first->Unplug();  // pulled out with its button held
    EXPECT_EQ(OpenGamepadCount(), 1);
    EXPECT_EQ(Held(), Keys{DIK_SPACE});
    first.reset();
    second.Unplug();
    EXPECT_EQ(OpenGamepadCount(), 0);
    EXPECT_EQ(Held(), Keys{});
    EXPECT_FALSE(KeyDownNow(VK_RETURN));
    VirtualPad third;  // and a new one after all were gone
    third.Button(SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_EQ(Held(), Keys{DIK_RMENU});
}

TEST_F(Gamepad, KeyboardAndPadHoldingOneKeyCountOnceUntilBothLetGo)
{
    VirtualPad pad;
    keyboard[DIK_RIGHT] = 0x80;
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(Held(), Keys{DIK_RIGHT});
    EXPECT_EQ(KeyState[DIK_RIGHT], 0x80);
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    EXPECT_EQ(Held(), Keys{DIK_RIGHT});
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    keyboard[DIK_RIGHT] = 0;
    EXPECT_EQ(Held(), Keys{DIK_RIGHT});
    keyboard[DIK_SPACE] = 0x80;  // one on each: both held
    EXPECT_EQ(Held(), (Keys{DIK_RIGHT, DIK_SPACE}));
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    keyboard[DIK_SPACE] = 0;
    EXPECT_EQ(Held(), Keys{});

    keyboard[DIK_RETURN] = 0x80;
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_TRUE(KeyDownNow(VK_RETURN));
    keyboard[DIK_RETURN] = 0;
    EXPECT_TRUE(KeyDownNow(VK_RETURN));
    pad.Button(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_FALSE(KeyDownNow(VK_RETURN));
}

}  // namespace
