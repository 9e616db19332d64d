#pragma once
// The main loop: one window message per pass, then, when the frame clock says a frame is due,
// the frame function that GameState selects (none while play is paused). On the desktop every
// pass ends in WaitForNextPass; a driver that is called once per displayed picture (a browser's
// animation frames) calls MainLoopPass alone.
#include "input/touch_layout.h"
#include "input/window_messages.h"

// Runs one frame function for the given state; a value outside 0..4 runs none (false).
bool RunFrameFunction(int state);
// What a gamepad's Start means on the screen of that state: F1 on the title, Pause in play,
// Enter on the story, death and win screens.
int PadStartKey(int state);
// The touch controls the screen of that state shows.
TouchSet TouchSetFor(int state);
// The window procedure: what one message does.
void MainWindowProc(const WindowMessage& msg);
// Paces frames by the refresh the display measured, or by the clock where it offers none that
// can pace them.
void PaceByDisplay();
// Runs passes until the quit message arrives; returns its exit code.
int RunMainLoop();
// One pass: a message; then, if a frame is due, the frame function, the M key and the piece of
// music the frame asked for. false when the quit message was seen (its exit code in *exitCode).
bool MainLoopPass(int* exitCode);
// What the desktop's loop does between passes: waits for the display's next refresh (showing the
// last picture again when the pass presented none) or, without vsync, until the next frame is due.
void WaitForNextPass();
