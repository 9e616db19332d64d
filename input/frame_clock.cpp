#include "input/frame_clock.h"

#include <SDL.h>

uint32_t ClockStart = 0;

namespace {

TickSource tickSource = nullptr;
Sleeper sleeper = nullptr;

// Sleeps through all but the last millisecond (the scheduler may overshoot a sleep by about
// that much) and polls the high-resolution counter for the rest, so a frame wait costs a few
// per cent of a core instead of a whole one.
void SdlSleep(uint32_t ms) {
    const uint64_t start = SDL_GetPerformanceCounter();
    const uint64_t span = static_cast<uint64_t>(ms) * SDL_GetPerformanceFrequency() / 1000;
    if (ms > 1) SDL_Delay(ms - 1);
    while (SDL_GetPerformanceCounter() - start < span) {
    }
}

}  // namespace

uint32_t GetClock() { return tickSource ? tickSource() : SDL_GetTicks(); }

uint32_t StartClock() {
    ClockStart = GetClock();
    return ClockStart;
}

uint32_t WaitClock(uint32_t ms) {
    // Unsigned differences keep the wait right when the tick count wraps past zero.
    for (uint32_t now = GetClock();; now = GetClock()) {
        const uint32_t elapsed = now - ClockStart;
        if (elapsed >= ms) return now;
        SleepMilliseconds(ms - elapsed);
    }
}

void SleepMilliseconds(uint32_t ms) {
    if (sleeper)
        sleeper(ms);
    else
        SdlSleep(ms);
}

void IdleMilliseconds(uint32_t ms) {
    if (sleeper)
        sleeper(ms);
    else
        SDL_Delay(ms);
}

void SetClockSource(TickSource ticks, Sleeper sleep) {
    tickSource = ticks;
    sleeper = sleep;
}
