#include "input/frame_clock.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

uint32_t ClockStart = 0;

namespace {

constexpr double FastestRefreshMs = 1000.0 / 300;
constexpr double SlowestRefreshMs = 1000.0 / 20;

TickSource tickSource = nullptr;
Sleeper sleeper = nullptr;
bool frameBegun = false;
double refreshMs = 0;           // 0: paced by the clock
double frameDueAfter = FrameTime;
uint32_t lastPassEnd = 0;

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
    frameBegun = true;
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

int RefreshesPerFrame(double period) {
    if (!(period >= FastestRefreshMs && period <= SlowestRefreshMs)) return 0;
    // The tiny allowance keeps a period a rounding error short of dividing 30 ms (10 ms at
    // 100 Hz) at the whole number it divides into.
    return static_cast<int>(std::ceil(FrameTime / period - 1e-6));
}

void PaceByRefresh(double period) {
    const int refreshes = RefreshesPerFrame(period);
    refreshMs = refreshes ? period : 0;
    // Frames begin only right after a refresh, so their starts lie whole refreshes apart: half a
    // refresh short of the due one absorbs the wake-up jitter. A millisecond short of FrameTime
    // absorbs the clock's millisecond steps, and holds the frame time should the window move to a
    // faster screen than the one measured.
    frameDueAfter = refreshes ? std::max((refreshes - 0.5) * period, FrameTime - 1.0) : FrameTime;
}

bool PacedByRefresh() { return refreshMs > 0; }

bool FrameDue() { return !frameBegun || GetClock() - ClockStart >= frameDueAfter; }

void EndPass() {
    if (!PacedByRefresh()) {
        if (frameBegun) WaitClock(FrameTime);
        return;
    }
    if (GetClock() - lastPassEnd < refreshMs / 2) IdleMilliseconds(static_cast<uint32_t>(std::ceil(refreshMs)));
    lastPassEnd = GetClock();
}

void SetClockSource(TickSource ticks, Sleeper sleep) {
    tickSource = ticks;
    sleeper = sleep;
    frameBegun = false;
    lastPassEnd = GetClock();
}
