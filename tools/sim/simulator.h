#pragma once
// The game without a window: the real start-up under SDL's dummy video and audio drivers, a
// fake clock that lets frames pass at once, keys held by the caller, and main-loop passes.
#include <ostream>
#include <string>
#include <vector>

// Starts the game in the folder of the asset files (the working directory, or else the folder
// of the running program). false with SimulatorError() telling why.
bool StartSimulator();
const char* SimulatorError();

// The key code of a script key name (LEFT RIGHT UP DOWN SPACE RALT ESCAPE RETURN F1..F5 P PAUSE M),
// or -1.
int KeyCodeNamed(const std::string& name);

// Exactly these key codes are held, for KeyState and the instantaneous query alike, from the
// next pass on.
void HoldKeys(const std::vector<int>& keyCodes);

// One main-loop pass (a window message, then the frame function GameState selects) and the
// wait that follows it on the desktop: the fake clock moves 30 ms a frame. false once
// the quit message has ended the loop (its code in SimulatorExitCode()).
bool RunPass();
// count passes with exactly these keys held; false as soon as the loop has ended.
bool RunPasses(int count, const std::vector<int>& keyCodes = {});
int SimulatorExitCode();

// Milliseconds of the fake clock: 30 per frame, plus the settling sleeps.
unsigned SimulatedTime();

// Every value of the game, one Name=value line each: integers as such, floats with one
// decimal, bools as 0 or 1.
void DumpGameState(std::ostream& out);
// The values that change from frame to frame, on one line.
void TraceLine(std::ostream& out, int pass);

// The back buffer with the current palette as a Windows bitmap.
bool SaveScreenshot(const std::string& file);
