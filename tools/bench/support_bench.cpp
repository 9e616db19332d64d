// The per-frame costs of the support layer: one sprite draw, the clear, the present (headless),
// one line of the status text, plain and ringed.
#include <benchmark/benchmark.h>

#include <vector>

#include "blitter/blitter_object.h"
#include "display/display.h"
#include "display/text.h"

namespace {

struct DisplayUp {
    DisplayUp() { InitDisplay(640, 480, 8, 0); }
    ~DisplayUp() { ShutdownDisplay(); }
};

void DrawHeroSizedFrame(benchmark::State& state) {
    DisplayUp display;
    BlitterObject object;
    CreateBlitterObject(&object, 275, 249, 94, 74, 1, AttrVisible | AttrMultiAnim, 0x800, 0, 8);
    std::vector<uint8_t> pixels(94 * 74);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i % 3 ? i : 0);  // a third keyed
    CopyToSurface(object.frames[0], pixels.data(), 94, 94, 74);
    for (auto _ : state) benchmark::DoNotOptimize(DrawBlitterObject(&object, TheDisplay.backSurface));
    DestroyBlitterObject(&object);
}
BENCHMARK(DrawHeroSizedFrame);

// A land's backdrop scrolled so that its seam is on screen: two blits cover the 448 rows. Opaque
// (as the game makes it) against colour-keyed, the way every other frame surface is blitted.
void DrawBackdropAcrossItsSeam(benchmark::State& state) {
    DisplayUp display;
    BlitterObject object;
    CreateBlitterObject(&object, 0, 0, 1280, 448, 1, AttrVisible | AttrSingleFrame, 0x800, 0, 8);
    std::vector<uint8_t> pixels(1280 * 448);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(1 + i % 255);
    CopyToSurface(object.frames[0], pixels.data(), 1280, 1280, 448);
    if (state.range(0)) SetSurfaceOpaque(object.frames[0]);
    for (auto _ : state) {
        object.posX = -900;
        DrawBlitterObject(&object, TheDisplay.backSurface);
        object.posX += 1280;
        benchmark::DoNotOptimize(DrawBlitterObject(&object, TheDisplay.backSurface));
    }
    DestroyBlitterObject(&object);
}
BENCHMARK(DrawBackdropAcrossItsSeam)->ArgName("opaque")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void ClearBackBuffer(benchmark::State& state) {
    DisplayUp display;
    for (auto _ : state) benchmark::DoNotOptimize(FillSurface(TheDisplay.backSurface, 0, nullptr));
}
BENCHMARK(ClearBackBuffer);

void FlipHeadless(benchmark::State& state) {
    DisplayUp display;
    for (auto _ : state) benchmark::DoNotOptimize(FlipDisplay());
}
BENCHMARK(FlipHeadless);

void StatusTextPlain(benchmark::State& state) {
    DisplayUp display;
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawTextGdi("QUORAX BULLETS: 10", 515, 1, 0x3232FF, TheDisplay.backSurface));
    ShutdownText();
}
BENCHMARK(StatusTextPlain);

void StatusTextOutlined(benchmark::State& state) {
    DisplayUp display;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            DrawOutlinedText("QUORAX BULLETS: 10", 515, 1, 0x3232FF, StatusTextSize, TheDisplay.backSurface));
    ShutdownText();
}
BENCHMARK(StatusTextOutlined);

}  // namespace

BENCHMARK_MAIN();
