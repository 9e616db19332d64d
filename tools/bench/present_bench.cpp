// Presenting a frame the way the game does: into a 640x480 window, where the picture is copied
// one to one, the flip against showing the last picture again (what the flip adds is its own
// work: the conversion into the texture); and into a full-screen window at the desktop's size.
// With SDL_VIDEODRIVER=dummy the window is SDL's software one; under Xvfb
// (xvfb-run -s "-screen 0 1024x768x24") a real one. On a display with vsync a present waits for
// the refresh, and the figure is the refresh period, not the cost.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "display/display.h"

namespace {

// Runs the benchmark loop around `present` with a window of the given size and flags, the
// display attached and a back buffer of columns of changing colours (no scaler can take a short cut).
template <typename Present>
void WithWindow(benchmark::State& state, int width, int height, Uint32 flags, Present present) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    if (width == 0) {
        SDL_DisplayMode desktop{};
        SDL_GetDesktopDisplayMode(0, &desktop);
        width = desktop.w;
        height = desktop.h;
    }
    SDL_Window* window = SDL_CreateWindow("present", 0, 0, width, height, flags);
    InitDisplay(640, 480, 8, 0);
    if (!window || !AttachDisplayWindow(window)) {
        state.SkipWithError(SDL_GetError());
    } else {
        std::vector<uint8_t> pixels(640 * 480);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7 % 251);
        CopyToSurface(TheDisplay.backSurface, pixels.data(), 640, 640, 480);
        FlipDisplay();
        for (auto _ : state) benchmark::DoNotOptimize(present());
        state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
    }
    ShutdownDisplay();
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Flip(benchmark::State& state) { WithWindow(state, 640, 480, SDL_WINDOW_HIDDEN, FlipDisplay); }
BENCHMARK(Flip)->Unit(benchmark::kMicrosecond);

void PresentLastPictureAgain(benchmark::State& state) { WithWindow(state, 640, 480, SDL_WINDOW_HIDDEN, PresentAgain); }
BENCHMARK(PresentLastPictureAgain)->Unit(benchmark::kMicrosecond);

void PresentFullScreen(benchmark::State& state) {
    WithWindow(state, 0, 0, SDL_WINDOW_FULLSCREEN_DESKTOP, FlipDisplay);
}
BENCHMARK(PresentFullScreen)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
