// The touch controls on a real window (SDL's X11 driver, under Xvfb at a landscape phone's size):
// SDL's finger events press the same keys there, and presenting draws the controls in the bars
// beside the picture, lit where a finger holds one, without changing a pixel of the picture.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/main_loop.h"
#include "app/startup.h"
#include "app/window.h"
#include "display/display.h"
#include "game/game_state.h"
#include "game/world.h"
#include "input/frame_clock.h"
#include "input/keyboard.h"
#include "input/touch.h"
#include "tests/input/fingers.h"

namespace {

uint32_t Ticks = 0;
uint32_t FakeClock() { return Ticks; }
void FakeSleep(uint32_t ms) { Ticks += ms; }

void Pass()
{
    int exitCode = 0;
    ASSERT_TRUE(MainLoopPass(&exitCode));
    WaitForNextPass();
}

// The presented picture read back in output pixels, at a point of the window.
Uint32 PixelAt(float x, float y)
{
    DrawPictureSharp(TheDisplay.renderer, TheDisplay.texture, &TheDisplay.scaledTexture, &TheDisplay.scaledFactor);
    int windowWidth = 0, windowHeight = 0, outputWidth = 0, outputHeight = 0;
    SDL_GetWindowSize(TheDisplay.window, &windowWidth, &windowHeight);
    SDL_GetRendererOutputSize(TheDisplay.renderer, &outputWidth, &outputHeight);
    const SDL_Rect at{static_cast<int>(x * outputWidth / windowWidth), static_cast<int>(y * outputHeight / windowHeight), 1, 1};
    Uint32 pixel = 0;
    EXPECT_EQ(SDL_RenderReadPixels(TheDisplay.renderer, &at, SDL_PIXELFORMAT_ARGB8888, &pixel, 4), 0) << SDL_GetError();
    return pixel & 0xFFFFFF;
}

}  // namespace

TEST(TouchWindow, FingersOnARealWindowPressKeysAndLightTheirControls)
{
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (xvfb-run)";
    unsetenv("SDL_VIDEODRIVER");
    uint8_t keyboard[256] = {};
    UseScriptedKeys(keyboard);  // only the fingers, whatever the X server's keyboard holds
    SetClockSource(FakeClock, FakeSleep);
    SDL_Window* window = CreateMainWindow();
    ASSERT_NE(window, nullptr) << WindowError();
    EXPECT_EQ(std::string(SDL_GetCurrentVideoDriver()), "x11");
    ASSERT_EQ(AttachDisplayWindow(window), 1);
    StopWaitingForRefresh();
    ASSERT_EQ(StartUp(), 1) << StartUpError();
    Fingers fingers(window);
    ShowTouchControls();
    Pass();
    EXPECT_EQ(fingers.Layout().placement, PlacementBars);

    fingers.DownOn(0, ControlLand1);
    Pass();
    fingers.Up(0);
    Pass();
    ASSERT_EQ(GameState, GameStatePlay);

    fingers.DownOn(2, ControlRight);
    for (int i = 0; i < 4; ++i) Pass();
    EXPECT_EQ(WorldPosition, 16);
    fingers.Up(2);

    const ScreenRect picture = fingers.Layout().picture;
    const float pictureX = picture.x + picture.width / 2.0f, pictureY = picture.y + picture.height / 3.0f;
    const Uint32 fireAtRest = PixelAt(fingers.CentreX(ControlFire), fingers.CentreY(ControlFire));
    const Uint32 pictureAtRest = PixelAt(pictureX, pictureY);
    fingers.DownOn(1, ControlFire);
    const Uint32 fireHeld = PixelAt(fingers.CentreX(ControlFire), fingers.CentreY(ControlFire));
    EXPECT_NE(fireHeld, fireAtRest);
    EXPECT_GT((fireHeld >> 16) & 0xFF, fireHeld & 0xFF) << "held controls are gold";
    EXPECT_EQ(PixelAt(pictureX, pictureY), pictureAtRest);
    EXPECT_TRUE(TouchHoldsKey(DIK_SPACE));
    fingers.Up(1);

    ShutDown();
    CloseMainWindow();
}
