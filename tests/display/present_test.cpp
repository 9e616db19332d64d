// Presenting: where the picture lands in windows of every size, that its pixels come out evenly
// wide on screen, and how a refresh is told from presents that do not wait for one.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "display/display.h"
#include "display/present_layout.h"
#include "display/refresh_rate.h"

namespace {

void ExpectLayout(int outputWidth, int outputHeight, int x, int y, int width, int height, int factor, bool direct) {
    const PresentLayout layout = LayoutPicture(outputWidth, outputHeight, 640, 480);
    SCOPED_TRACE(std::to_string(outputWidth) + "x" + std::to_string(outputHeight));
    EXPECT_EQ(layout.x, x);
    EXPECT_EQ(layout.y, y);
    EXPECT_EQ(layout.width, width);
    EXPECT_EQ(layout.height, height);
    EXPECT_EQ(layout.factor, factor);
    EXPECT_EQ(layout.direct, direct);
}

// A software renderer drawing into a 32-bit surface of the given size, and the picture as the
// game makes it: a 640x480 streaming texture sampled nearest.
struct Screen {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* picture = nullptr;
    SDL_Texture* scaled = nullptr;
    int factor = 0;

    Screen(int width, int height) {
        surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = SDL_CreateSoftwareRenderer(surface);
        picture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, 640, 480);
        SDL_SetTextureScaleMode(picture, SDL_ScaleModeNearest);
    }
    ~Screen() {
        SDL_DestroyTexture(scaled);
        SDL_DestroyTexture(picture);
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
    // Picture pixels red where odd(x, y) holds, else blue; then drawn as a present draws it.
    template <typename Odd>
    bool Draw(Odd odd) {
        std::vector<uint32_t> pixels(640 * 480);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) pixels[y * 640 + x] = odd(x, y) ? 0xFFFF0000u : 0xFF0000FFu;
        SDL_UpdateTexture(picture, nullptr, pixels.data(), 640 * 4);
        const bool drawn = DrawPictureSharp(renderer, picture, &scaled, &factor) == 1;
        SDL_RenderPresent(renderer);
        return drawn;
    }
    uint32_t At(int x, int y) const {
        return static_cast<const uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
    }
};

struct Line {
    std::vector<double> widths;  // the screen pixels each picture pixel covers, blends counted in part
    int blended = 0;             // screen pixels that mix two picture pixels
    int foreign = 0;             // screen pixels that are no mix of red and blue
};

// Walks a line of screen pixels across picture pixels of alternating colour (blue first) and
// shares each screen pixel among the picture pixels by its mix of red and blue.
Line Measure(const std::vector<uint32_t>& screen) {
    Line line;
    line.widths.assign(1, 0.0);
    for (uint32_t pixel : screen) {
        const int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
        if (green > 2 || std::abs(red + blue - 255) > 3) ++line.foreign;
        const double current = (line.widths.size() % 2 ? blue : red) / 255.0;  // share of the current pixel's colour
        line.blended += current > 0.01 && current < 0.99;
        line.widths.back() += current;
        if (current < 0.99) line.widths.push_back(1.0 - current);
    }
    return line;
}

// Nearest-pixel sampling alone gives widths of 1 and 2 at 1.6; filtering the whole-factor copy
// down gives every picture pixel its width to within 0.2 (the filter's slope at the blended edge
// shifts it a little), and blends at most one screen pixel at each edge, where plain linear
// scaling would blend nearly all of them.
void ExpectEvenPixels(const Line& line, size_t count, double width) {
    EXPECT_EQ(line.foreign, 0);
    EXPECT_LE(line.blended, static_cast<int>(count) - 1);
    ASSERT_EQ(line.widths.size(), count);
    for (size_t i = 0; i < count; ++i) ASSERT_NEAR(line.widths[i], width, 0.2) << "picture pixel " << i;
}

}  // namespace

TEST(PresentLayout, LetterboxedAtTheAspectWithTheNextWholeFactor) {
    ExpectLayout(640, 480, 0, 0, 640, 480, 1, true);
    ExpectLayout(1280, 960, 0, 0, 1280, 960, 2, true);
    ExpectLayout(1024, 768, 0, 0, 1024, 768, 2, false);
    ExpectLayout(1280, 1024, 0, 32, 1280, 960, 2, true);  // bars above and below, pixel-perfect between
    ExpectLayout(1920, 1080, 240, 0, 1440, 1080, 3, false);
    ExpectLayout(800, 480, 80, 0, 640, 480, 1, true);
    ExpectLayout(1366, 768, 171, 0, 1024, 768, 2, false);
    ExpectLayout(320, 240, 0, 0, 320, 240, 1, false);  // smaller than the picture: filtered down
    ExpectLayout(0, 768, 0, 0, 0, 0, 1, true);         // a window with no area yet
}

TEST(PresentSharp, At1024x768EveryPicturePixelIsOnePointSixScreenPixelsWideAndHigh) {
    Screen screen(1024, 768);
    ASSERT_NE(screen.renderer, nullptr) << SDL_GetError();
    ASSERT_TRUE(screen.Draw([](int x, int) { return x % 2 == 1; })) << SDL_GetError();
    EXPECT_EQ(screen.factor, 2);
    for (int y : {0, 383, 767}) {
        std::vector<uint32_t> row;
        for (int x = 0; x < 1024; ++x) row.push_back(screen.At(x, y));
        SCOPED_TRACE("row " + std::to_string(y));
        ExpectEvenPixels(Measure(row), 640, 1.6);
    }
    ASSERT_TRUE(screen.Draw([](int, int y) { return y % 2 == 1; })) << SDL_GetError();
    for (int x : {0, 511, 1023}) {
        std::vector<uint32_t> column;
        for (int y = 0; y < 768; ++y) column.push_back(screen.At(x, y));
        SCOPED_TRACE("column " + std::to_string(x));
        ExpectEvenPixels(Measure(column), 480, 1.6);
    }
}

TEST(PresentSharp, At1280x1024ThePictureIsDoubledExactlyBetweenBlackBars) {
    Screen screen(1280, 1024);
    ASSERT_TRUE(screen.Draw([](int x, int y) { return (x + y) % 2 == 1; })) << SDL_GetError();
    EXPECT_EQ(screen.scaled, nullptr);  // no enlarged copy needed
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1280; x += 7) {
            const bool bar = y < 32 || y >= 992;
            const uint32_t expected = bar ? 0xFF000000u : ((x / 2 + (y - 32) / 2) % 2 ? 0xFFFF0000u : 0xFF0000FFu);
            ASSERT_EQ(screen.At(x, y), expected) << x << "," << y;
        }
    }
}

TEST(RefreshRate, ASteadyRunOfPresentsGivesItsPeriodAndAnUnevenOneNone) {
    const double refresh[] = {16.6, 16.7, 16.8, 16.7, 33.4, 16.6, 16.7, 16.7};  // one refresh missed
    EXPECT_NEAR(SteadyPeriod(refresh, 8), 16.7, 1e-9);
    const double work[] = {3.1, 5.8, 2.0, 9.4, 4.4, 2.2, 7.7, 3.0};  // presents that only took their time
    EXPECT_EQ(SteadyPeriod(work, 8), 0.0);
    EXPECT_EQ(SteadyPeriod(refresh, 0), 0.0);
    EXPECT_EQ(SteadyPeriod(nullptr, 8), 0.0);
}

TEST(RefreshRate, SoftwareRenderingNeverCountsAsVsyncEvenWhenSdlImitatesIt) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 64, 48, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    ASSERT_NE(renderer, nullptr);
    SDL_RenderSetVSync(renderer, 1);
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer, &info);
    EXPECT_TRUE(info.flags & SDL_RENDERER_PRESENTVSYNC);  // SDL says so
    EXPECT_FALSE(WaitsForRefresh(renderer));
    EXPECT_FALSE(WaitsForRefresh(nullptr));
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}
