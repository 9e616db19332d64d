#pragma once
// The main loop: one window message per pass, then the frame function that GameState selects
// (none while play is paused).
#include "input/window_messages.h"

// Runs one frame function for the given state; a value outside 0..4 runs none.
void RunFrameFunction(int state);
// What a gamepad's Start means on the screen of that state: F1 on the title, Pause in play,
// Enter on the story, death and win screens.
int PadStartKey(int state);
// The window procedure: what one message does.
void MainWindowProc(const WindowMessage& msg);
// Runs passes until the quit message arrives; returns its exit code.
int RunMainLoop();
// One pass: a message, the frame function, the M key, then the piece of music the frame asked for.
// false when the quit message was seen (its exit code in *exitCode).
bool MainLoopPass(int* exitCode);
