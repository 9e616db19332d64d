// Presenting a frame into a full-screen window at the desktop's size, the way the game does.
// Needs a display: run it under Xvfb (xvfb-run -s "-screen 0 1024x768x24"). On a display with
// vsync the figure is the refresh period, not the cost.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "display/display.h"

namespace {

void PresentFullScreen(benchmark::State& state) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(0, &desktop);
    SDL_Window* window = SDL_CreateWindow("present", 0, 0, desktop.w, desktop.h, SDL_WINDOW_FULLSCREEN_DESKTOP);
    InitDisplay(640, 480, 8, 0);
    if (!window || !AttachDisplayWindow(window)) {
        state.SkipWithError(SDL_GetError());
    } else {
        // Columns of changing colours, so that no scaler can take a short cut.
        std::vector<uint8_t> pixels(640 * 480);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7 % 251);
        CopyToSurface(TheDisplay.backSurface, pixels.data(), 640, 640, 480);
        for (auto _ : state) benchmark::DoNotOptimize(FlipDisplay());
        state.SetLabel(std::to_string(desktop.w) + "x" + std::to_string(desktop.h));
    }
    ShutdownDisplay();
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(PresentFullScreen)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
