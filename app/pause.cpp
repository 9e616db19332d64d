#include "app/pause.h"

#include "display/display.h"
#include "display/text.h"
#include "game/game_state.h"
#include "input/frame_clock.h"
#include "input/keyboard.h"
#include "input/touch.h"
#include "input/window_messages.h"
#include "sound/sound.h"

bool GamePaused = false;

namespace {

// How often a paused game looks at its keys: as often as it would run frames, so that a press
// is as sure to be seen as in play.
constexpr uint32_t PausedPassTime = 30;
constexpr COLORREF TitleColour = 0x30C8FF;  // gold: red 255, green 200, blue 48
constexpr COLORREF HintColour = 0xFFFFFF;
constexpr int TitleSize = 40;
constexpr int HintSize = 14;

bool ToggleHeld = false;

void DrawCentred(const char* text, int y, int size, COLORREF colour)
{
    const int x = (TheDisplay.screenWidth - OutlinedTextWidth(text, size)) / 2 + 1;
    DrawOutlinedText(text, x, y, colour, size, TheDisplay.backSurface);
}

// A black band edged in gold across the upper middle of the last picture, above the ground
// line, so the hero and what stands around him stay in view.
void DrawPauseBanner()
{
    SDL_Surface* back = TheDisplay.backSurface;
    const int width = TheDisplay.screenWidth;
    const uint8_t edge = NearestIndex(TheDisplay.displayPalette, TitleColour);
    const RECT top{0, 96, width, 98}, band{0, 98, width, 198}, bottom{0, 198, width, 200};
    FillSurface(back, edge, &top);
    FillSurface(back, 0, &band);
    FillSurface(back, edge, &bottom);
    DrawCentred("PAUSED", 106, TitleSize, TitleColour);
    DrawCentred("P, PAUSE OR START: PLAY ON     ESC: QUIT", 166, HintSize, HintColour);
}

void BeginPause()
{
    GamePaused = true;
    // A thumb still on the d-pad or fire walks and fires nobody once play goes on.
    ReleaseTouchKeys();
    PauseSounds();
    DrawPauseBanner();
    FlipDisplay();
}

void EndPause()
{
    GamePaused = false;
    ResumeSounds();
}

}  // namespace

bool PauseStep()
{
    const bool held = KeyDownNow(VK_P) || KeyDownNow(VK_PAUSE);
    const bool pressed = held && !ToggleHeld;
    ToggleHeld = held;
    if (GameState != GameStatePlay) return false;
    if (pressed) {
        if (GamePaused)
            EndPause();
        else
            BeginPause();
        return true;
    }
    if (!GamePaused) return false;
    if (KeyDownNow(VK_ESCAPE)) PostWindowMessage(WM_DESTROY);
    IdleMilliseconds(PausedPassTime);
    return true;
}

void PauseForWindow()
{
    if (GameState == GameStatePlay && !GamePaused) BeginPause();
}

void RepaintPause()
{
    if (GamePaused) FlipDisplay();
}
