// The per-frame costs of the support layer: one sprite draw, the clear against a plain memset,
// the 8-to-32-bit conversion alone, one line of the status text, plain and ringed.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "blitter/blitter_object.h"
#include "display/bitmap_file.h"
#include "display/colour_table.h"
#include "display/display.h"
#include "display/text.h"

namespace {

// The back buffer, with the clip list the game gives it: every fill and blit stops above the
// bottom 32 rows.
struct DisplayUp {
    DisplayUp() {
        InitDisplay(640, 480, 8, 0);
        const RECT top{0, 0, 640, 448};
        AttachClipper(TheDisplay.backSurface, 1, &top);
    }
    ~DisplayUp() { ShutdownDisplay(); }
};

// Frame 0 of the object cut from these pixels, as start-up cuts a picture's cell.
void LoadPixels(BlitterObject* object, std::vector<uint8_t>& pixels, int width, int height) {
    BitmapFile picture;
    picture.infoHeader.biWidth = width;
    picture.infoHeader.biHeight = height;
    picture.infoHeader.biBitCount = 8;
    picture.pixels = pixels.data();
    LoadBlitterFrame(object, &picture, 0, 0, 0, 1);
    picture.pixels = nullptr;  // the vector's
}

void DrawHeroSizedFrame(benchmark::State& state) {
    DisplayUp display;
    BlitterObject object;
    CreateBlitterObject(&object, 275, 249, 94, 74, 1, AttrVisible | AttrMultiAnim, 0x800, 0, 8);
    std::vector<uint8_t> pixels(94 * 74);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i % 3 ? i : 0);  // a third keyed
    LoadPixels(&object, pixels, 94, 74);
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
    LoadPixels(&object, pixels, 1280, 448);
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

// What the clear is measured against: the same 640 x 448 bytes set by the C library.
void MemsetOfTheClearedBytes(benchmark::State& state) {
    std::vector<uint8_t> bytes(640 * 448, 1);
    for (auto _ : state) {
        std::memset(bytes.data(), 0, bytes.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemsetOfTheClearedBytes);

// The back buffer into 32-bit pixels through the colour table, alone, as a flip does it.
void ConvertFrame(benchmark::State& state) {
    DisplayUp display;
    std::vector<uint32_t> picture(640 * 480);
    const SDL_Surface& back = *TheDisplay.backSurface;
    for (auto _ : state) {
        ConvertToArgb(static_cast<const uint8_t*>(back.pixels), back.pitch, picture.data(), 640 * 4, 640, 480,
                      TheDisplay.colourTable);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ConvertFrame);

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

