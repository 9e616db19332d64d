// Gamepads feed the keys the keyboard feeds; driven through SDL's virtual controllers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "input/gamepad.h"
#include "input/keyboard.h"
#include "tests/support/scratch_folder.h"
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

// What the player reads when that stick is plugged in (the mapping file named when one is used).
std::string UnmappedStickLines(const std::string& guid, const std::string& mappingFile = "")
{
    const std::string where = mappingFile.empty() ? "" : "\"" + mappingFile + "\" or ";
    return "quorax: the joystick \"Handheld Pad\" (GUID " + guid +
           ") has no pad mapping: the game does not use it\n"
           "quorax: to play with it, add the line \"" + guid + ",Handheld Pad,a:b0,b:b1,...,platform:" +
           SDL_GetPlatform() + ",\" with its own button numbers to " + where + "SDL_GAMECONTROLLERCONFIG\n";
}

TEST_F(Gamepad, AJoystickSdlCannotMapIsNamedWithItsGuidOncePerPlugIn)
{
    testing::internal::CaptureStderr();
    std::string guid;
    {
        VirtualPad stick(UnmappedStick());
        ASSERT_FALSE(stick.IsController());
        guid = stick.Guid();
        EXPECT_EQ(OpenGamepadCount(), 0);
        stick.Button(StickButton::A, true);  // neither plays nor says more
        stick.Axis(0, -32768);
        EXPECT_EQ(Held(), Keys{});
    }
    VirtualPad known;  // a pad SDL maps is not named
    EXPECT_EQ(OpenGamepadCount(), 1);
    VirtualPad again(UnmappedStick());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(guid.size(), 32u);
    EXPECT_EQ(errors, UnmappedStickLines(guid) + UnmappedStickLines(guid));
}

TEST_F(Gamepad, AMappingFileMakesAPadOfAJoystickPluggedInBeforeItWasReadOrAfter)
{
    const ScratchFolder folder;
    const auto file = folder / "gamecontrollerdb.txt";
    auto stick = std::make_unique<VirtualPad>(UnmappedStick(), VirtualPad::Pump::Later);
    ASSERT_FALSE(stick->IsController());
    WriteText(file, "# the handheld's own pad\n" + UnmappedStickMapping(stick->Guid()));
    testing::internal::CaptureStderr();
    EXPECT_EQ(UsePadMappingFile(file), 1);
    PumpPadEvents();  // only now does the plug-in reach the game, as at start
    EXPECT_TRUE(stick->IsController());
    ASSERT_EQ(OpenGamepadCount(), 1);
    const struct {
        int button;
        int code;
    } buttons[] = {
        {StickButton::Left, DIK_LEFT}, {StickButton::Right, DIK_RIGHT}, {StickButton::Up, DIK_UP},
        {StickButton::Down, DIK_DOWN}, {StickButton::A, DIK_UP},        {StickButton::X, DIK_SPACE},
        {StickButton::B, DIK_RMENU},   {StickButton::Back, DIK_F5},     {StickButton::Start, DIK_RETURN},
    };
    for (const auto& b : buttons) {
        stick->Button(b.button, true);
        EXPECT_EQ(Held(), Keys{b.code}) << "button " << b.button;
        stick->Button(b.button, false);
    }
    stick->Axis(0, 32767);
    EXPECT_EQ(Held(), Keys{DIK_RIGHT});
    stick.reset();
    EXPECT_EQ(OpenGamepadCount(), 0);

    VirtualPad later(UnmappedStick());  // SDL announces it twice now: one pad all the same
    EXPECT_EQ(OpenGamepadCount(), 1);
    later.Button(StickButton::X, true);
    EXPECT_EQ(Held(), Keys{DIK_SPACE});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(Gamepad, WithoutTheMappingFileNothingIsAddedAndTheFileIsNamedForTheLine)
{
    const ScratchFolder folder;
    const auto file = folder / "gamecontrollerdb.txt";
    EXPECT_EQ(UsePadMappingFile(file), 0);
    testing::internal::CaptureStderr();
    VirtualPad stick(UnmappedStick());
    EXPECT_EQ(OpenGamepadCount(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), UnmappedStickLines(stick.Guid(), file.string()));
}

TEST_F(Gamepad, AMappingFileSdlTakesNothingFromIsRefusedAndSaysWhy)
{
    const ScratchFolder folder;
    const auto file = folder / "gamecontrollerdb.txt";
    VirtualPad stick(UnmappedStick());
    WriteText(file, "");
    EXPECT_EQ(UsePadMappingFile(file), -1);
    EXPECT_STRNE(PadMappingError(), "");
    std::string line = UnmappedStickMapping(stick.Guid());
    line.erase(line.size() - 2);  // without the comma after its platform SDL skips the line
    const std::string platform = SDL_GetPlatform();
    const std::string nowhere = stick.Guid() + ",Handheld Pad,a:b6,platform:Nowhere,\n";
    for (const std::string& text : {std::string("not a mapping\n,,,\n\xff\xfe\x01 zz\n"), line, nowhere}) {
        WriteText(file, text);
        EXPECT_EQ(UsePadMappingFile(file), -1) << text;
        EXPECT_EQ(PadMappingError(), "no line in it is a mapping ending in platform:" + platform + ",") << text;
    }
    WriteBytes(file, {0x00, 0x9c, 0xff, 0x0a, 0x00, 0x2c, 0x2c, 0x0a});
    EXPECT_EQ(UsePadMappingFile(file), -1);
    PumpPadEvents();
    EXPECT_FALSE(stick.IsController());
    EXPECT_EQ(OpenGamepadCount(), 0);
}

// A line for a pad SDL's own database holds replaces that mapping: SDL counts it as none added.
TEST_F(Gamepad, ALineThatReplacesSdlsOwnMappingIsTaken)
{
    std::string guid;
    for (int i = 0; guid.empty() && i < SDL_GameControllerNumMappings(); ++i) {
        char* mapping = SDL_GameControllerMappingForIndex(i);
        const std::string text = mapping ? mapping : "";
        SDL_free(mapping);
        if (text.find(',') == 32) guid = text.substr(0, 32);
    }
    ASSERT_FALSE(guid.empty()) << "SDL has no mapping of its own";
    const ScratchFolder folder;
    const auto file = folder / "gamecontrollerdb.txt";
    WriteText(file, "# swapped\n" + guid + ",Player's Own,a:b1,b:b0,platform:" + SDL_GetPlatform() + ",\n");
    EXPECT_GE(UsePadMappingFile(file), 0) << PadMappingError();
    char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid.c_str()));
    ASSERT_NE(mapping, nullptr);
    EXPECT_NE(std::string(mapping).find(",Player's Own,a:b1,b:b0"), std::string::npos) << mapping;
    SDL_free(mapping);
}

}  // namespace
