#pragma once
// Touch controls: fingers on the screen hold the same key codes the keyboard and the pads do,
// and the play frame's KeyState and the screens' key query see all of them together.
//
//   d-pad              the arrow keys, by the finger's angle from its centre (diagonals too)
//   jump, fire, punch  up, space, right Alt
//   pause              Pause
//   land 1 .. land 4   F1 .. F4 (the title)
//   story              F5 (the title)
//   back               Enter (the story, death and win screens)
//
// A finger that starts on the d-pad steers it while it is down, even off the d-pad; any other
// finger presses the button it is on, and the one it slides onto. The controls appear at the
// first touch (that touch presses nothing) and hide when a key or a pad is used.
#include <cstdint>

#include "input/touch_layout.h"

union SDL_Event;

// Takes SDL's finger events; every other event, and the touches SDL makes from the mouse, are
// ignored. The message pump hands every SDL event here.
void HandleTouchEvent(const SDL_Event& event);

// The controls of the screen on show, from this frame on: the main loop names them at the start
// of every frame, as it names what a pad's Start means. When the set changes, a finger that is
// down presses nothing until it is lifted, so that a press on one screen never acts on the next.
// A tap that began and ended since the last frame counts in this one.
void SetTouchSet(TouchSet set);

void ShowTouchControls();
// Hiding lets go of every key a finger holds.
void HideTouchControls();
bool TouchControlsShown();

// Lets go of every key a finger holds; those fingers press nothing more until they are lifted.
// For the window losing the focus, the page being hidden, the game pausing, the screen turning.
void ReleaseTouchKeys();

// Marks every key code a finger holds as held in keys (256 bytes indexed by key code).
void AddTouchKeys(uint8_t keys[256]);
bool TouchHoldsKey(int keyCode);

// The picture's place and the controls on show in a window of that size (none while hidden).
ScreenLayout TouchScreenLayout(int windowWidth, int windowHeight);
// Whether a finger holds the control down now: presenting draws it pressed.
bool TouchControlHeld(int control);
