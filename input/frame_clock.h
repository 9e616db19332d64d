#pragma once
// The frame clock: a millisecond tick count that wraps at 32 bits, and the wait that paces
// every frame to at least 30 ms.
#include <cstdint>

extern uint32_t ClockStart;

uint32_t GetClock();
uint32_t StartClock();             // notes GetClock() in ClockStart and returns it
uint32_t WaitClock(uint32_t ms);   // returns once GetClock() - ClockStart >= ms (unsigned), with the tick count then
void SleepMilliseconds(uint32_t ms);
// Sleeps about ms without the precise last millisecond of SleepMilliseconds: for waits that
// need no exact end (a paused game), so they cost next to nothing.
void IdleMilliseconds(uint32_t ms);

// Test and tool seam: replace the tick source and the sleeper (nullptr restores SDL's).
// A fake clock whose sleeper advances its tick count lets frames run with no real time passing.
using TickSource = uint32_t (*)();
using Sleeper = void (*)(uint32_t ms);
void SetClockSource(TickSource ticks, Sleeper sleeper);
