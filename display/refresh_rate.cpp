#include "display/refresh_rate.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int MeasuredPresents = 14;
constexpr int SettlingPresents = 2;  // the first presents of a new window may not wait yet

}  // namespace

double SteadyPeriod(const double* intervalsMs, int count) {
    if (!intervalsMs || count <= 0) return 0;
    std::vector<double> sorted(intervalsMs, intervalsMs + count);
    std::sort(sorted.begin(), sorted.end());
    const double median = count % 2 ? sorted[count / 2] : (sorted[count / 2 - 1] + sorted[count / 2]) / 2;
    if (median <= 0) return 0;
    const auto near = std::count_if(sorted.begin(), sorted.end(),
                                    [median](double interval) { return interval > median * 0.9 && interval < median * 1.1; });
    return 4 * near >= 3 * count ? median : 0;
}

bool WaitsForRefresh(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (!renderer || SDL_GetRendererInfo(renderer, &info) != 0) return false;
    if (!(info.flags & SDL_RENDERER_PRESENTVSYNC) || (info.flags & SDL_RENDERER_SOFTWARE)) return false;
    if (std::strcmp(info.name, "software") == 0) return false;
    // The GL renderers leave their context current: its swap interval tells whether the driver
    // took the vsync or SDL is imitating it.
    if (std::strncmp(info.name, "opengl", 6) == 0) return SDL_GL_GetSwapInterval() != 0;
    return true;
}

double MeasureRefresh(SDL_Renderer* renderer) {
    if (!renderer) return 0;
    const double tickMs = 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency());
    double intervals[MeasuredPresents];
    uint64_t last = 0;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    for (int i = -SettlingPresents; i < MeasuredPresents; ++i) {
        SDL_RenderClear(renderer);
        SDL_RenderPresent(renderer);
        const uint64_t now = SDL_GetPerformanceCounter();
        if (i >= 0) intervals[i] = static_cast<double>(now - last) * tickMs;
        last = now;
    }
    return SteadyPeriod(intervals, MeasuredPresents);
}
