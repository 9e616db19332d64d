#pragma once
// The frame clock: a millisecond tick count that wraps at 32 bits, and the pacing that lets a
// frame begin at most once every 30 ms.
#include <cstdint>

extern uint32_t ClockStart;

constexpr uint32_t FrameTime = 30;  // the shortest time from the start of one frame to the next

uint32_t GetClock();
uint32_t StartClock();             // notes GetClock() in ClockStart and returns it
uint32_t WaitClock(uint32_t ms);   // returns once GetClock() - ClockStart >= ms (unsigned), with the tick count then
void SleepMilliseconds(uint32_t ms);
// Sleeps about ms without the precise last millisecond of SleepMilliseconds: for waits that
// need no exact end (a paused game), so they cost next to nothing.
void IdleMilliseconds(uint32_t ms);

// Pacing. The main loop asks FrameDue() in every pass and calls StartClock() when it runs the
// frame. Paced by the clock, a frame is due once FrameTime has passed since the last began, and
// EndPass() sleeps until then. Paced by the refresh, every pass ends in a present that waits for
// the display's next refresh, and a frame is due on the pass that completes the smallest whole
// number of refreshes lasting FrameTime or more: each frame stays on screen equally long.

// That number for a measured refresh period; 0 when the period cannot pace frames (no refresh
// between 20 and 300 Hz: no real vsync, or a measurement that went wrong).
int RefreshesPerFrame(double refreshMs);
// Paces by the refresh of that period, or by the clock when RefreshesPerFrame gives 0 for it.
void PaceByRefresh(double refreshMs);
bool PacedByRefresh();
// Whether this pass's frame may begin: true also before the first frame.
bool FrameDue();
// Ends a pass of the desktop's loop, after its present. By the clock: sleeps until the next
// frame is due. By the refresh: sleeps out a refresh only when the pass took less than half of
// one, so that presents which stopped waiting (a hidden window) never make the loop spin.
void EndPass();

// Test and tool seam: replace the tick source and the sleeper (nullptr restores SDL's).
// A fake clock whose sleeper advances its tick count lets frames run with no real time passing.
// A new source forgets when the last frame began: that was counted in the other clock.
using TickSource = uint32_t (*)();
using Sleeper = void (*)(uint32_t ms);
void SetClockSource(TickSource ticks, Sleeper sleeper);
