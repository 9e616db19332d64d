#pragma once
// Pausing play. P or Pause toggles it (a gamepad's Start stands for Pause in play); the window
// losing the input focus or being minimised starts it, and it lasts until the player goes on.
// While paused no game frame runs: the last picture stays with a banner over it, the sounds
// hold and the loop sleeps. The title, story, death and win screens never pause.

extern bool GamePaused;

// Runs in every main-loop pass before the frame function; true when the pass must run none
// (it toggled the pause, or play is paused). The keys are looked at in every pass, on every
// screen, so that a key still held from another screen is no press in play.
bool PauseStep();
// The window lost the focus or was minimised.
void PauseForWindow();
// Presents the paused picture again, after the window was exposed or switched.
void RepaintPause();
