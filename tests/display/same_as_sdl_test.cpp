// The display draws and converts pixels itself where SDL is slow; each of those paths must give
// exactly the pixels SDL gives for the same call: blits and fills of every kind of rectangle,
// and the 32-bit picture a flip hands to the texture.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "display/colour_table.h"
#include "display/display.h"

namespace {

SDL_Surface* Indexed(int width, int height) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_SetSurfacePalette(surface, TheDisplay.displayPalette);
    return surface;
}

void Scribble(SDL_Surface* surface, std::mt19937& random, bool withKey) {
    auto* pixels = static_cast<uint8_t*>(surface->pixels);
    for (int i = 0; i < surface->pitch * surface->h; ++i) {
        const uint8_t pixel = static_cast<uint8_t>(random());
        pixels[i] = withKey && random() % 3 == 0 ? 0 : pixel;  // a third see-through
    }
}

bool SamePixels(SDL_Surface* a, SDL_Surface* b) {
    for (int y = 0; y < a->h; ++y) {
        if (std::memcmp(static_cast<uint8_t*>(a->pixels) + y * a->pitch, static_cast<uint8_t*>(b->pixels) + y * b->pitch,
                        a->w) != 0)
            return false;
    }
    return true;
}

int Around(std::mt19937& random, int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); }

struct SameAsSdl : ::testing::Test {
    void SetUp() override { ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1); }
    void TearDown() override { ShutdownDisplay(); }
    std::mt19937 random{20261209};
};

}  // namespace

// Sources of odd widths, keyed and opaque, put anywhere around a target with a clip rectangle
// that cuts them on every side: the rows and the tails of rows must match SDL's blit.
TEST_F(SameAsSdl, BlitsOfEveryShapeAndPlace) {
    SDL_Surface* ours = Indexed(150, 90);
    SDL_Surface* sdls = Indexed(150, 90);
    for (int round = 0; round < 400; ++round) {
        const bool keyed = round % 2 == 0;
        SDL_Surface* source = Indexed(Around(random, 1, 70), Around(random, 1, 40));
        Scribble(source, random, keyed);
        SDL_SetColorKey(source, keyed ? SDL_TRUE : SDL_FALSE, 0);
        Scribble(ours, random, false);
        std::memcpy(sdls->pixels, ours->pixels, size_t(ours->pitch) * ours->h);

        const RECT clip{Around(random, -10, 60), Around(random, -10, 40), Around(random, 60, 160), Around(random, 40, 100)};
        AttachClipper(ours, 1, &clip);
        const int x = Around(random, -80, 150), y = Around(random, -50, 90);
        const int sx = Around(random, -5, source->w), sy = Around(random, -5, source->h);
        const int w = Around(random, 0, source->w + 5), h = Around(random, 0, source->h + 5);
        ASSERT_EQ(BlitKeyed(source, RECT{sx, sy, sx + w, sy + h}, ours, RECT{x, y, x + w, y + h}), 1);

        const SDL_Rect clipRect{clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top};
        SDL_SetClipRect(sdls, &clipRect);
        SDL_Rect from{sx, sy, w, h}, to{x, y, w, h};
        if (w > 0 && h > 0) SDL_BlitSurface(source, &from, sdls, &to);
        ASSERT_TRUE(SamePixels(ours, sdls)) << "round " << round;
        SDL_FreeSurface(source);
    }
    FreePaletteSurface(ours);
    SDL_FreeSurface(sdls);
}

TEST_F(SameAsSdl, FillsOfEveryRectangleInsideEveryClip) {
    SDL_Surface* ours = Indexed(101, 60);
    SDL_Surface* sdls = Indexed(101, 60);
    for (int round = 0; round < 300; ++round) {
        Scribble(ours, random, false);
        std::memcpy(sdls->pixels, ours->pixels, size_t(ours->pitch) * ours->h);
        const RECT clip{Around(random, -10, 50), Around(random, -10, 30), Around(random, 50, 120), Around(random, 30, 70)};
        AttachClipper(ours, 1, &clip);
        const int x = Around(random, -20, 100), y = Around(random, -20, 60);
        const RECT area{x, y, x + Around(random, 0, 120), y + Around(random, 0, 70)};
        const bool whole = round % 5 == 0;
        const int colour = Around(random, 0, 255);
        FillSurface(ours, colour, whole ? nullptr : &area);

        const SDL_Rect clipRect{clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top};
        SDL_SetClipRect(sdls, &clipRect);
        const SDL_Rect rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
        SDL_FillRect(sdls, whole ? nullptr : &rect, colour);
        ASSERT_TRUE(SamePixels(ours, sdls)) << "round " << round;
    }
    FreePaletteSurface(ours);
    SDL_FreeSurface(sdls);
}

// Odd widths and padded rows on both sides: every pixel through the table, nothing written
// beyond a row's width.
TEST_F(SameAsSdl, ConversionThroughTheColourTable) {
    PALETTEENTRY entries[256];
    for (int i = 0; i < 256; ++i) entries[i] = PALETTEENTRY{uint8_t(i), uint8_t(255 - i), uint8_t(i * 7), 0};
    uint32_t table[256];
    MakeColourTable(entries, table);
    EXPECT_EQ(table[2], 0xFF02FD0Eu);
    for (const int width : {1, 3, 4, 7, 640}) {
        const int height = 3, sourcePitch = width + 5, targetPitch = width * 4 + 12;
        std::vector<uint8_t> source(size_t(sourcePitch) * height);
        for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint8_t>(random());
        std::vector<uint8_t> target(size_t(targetPitch) * height, 0xAB);
        ConvertToArgb(source.data(), sourcePitch, target.data(), targetPitch, width, height, table);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                uint32_t pixel;
                std::memcpy(&pixel, &target[size_t(y) * targetPitch + 4 * x], 4);
                ASSERT_EQ(pixel, table[source[size_t(y) * sourcePitch + x]]) << width << ": " << x << ", " << y;
            }
            for (int i = width * 4; i < targetPitch; ++i) ASSERT_EQ(target[size_t(y) * targetPitch + i], 0xAB);
        }
    }
}

// What a player sees: the window's pixels after a flip, against SDL's own conversion of the back
// buffer, before and after the palette changes (the table follows it).
TEST_F(SameAsSdl, AFlipShowsTheBackBufferThroughThePalette) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("flip", 0, 0, 640, 480, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    ASSERT_EQ(AttachDisplayWindow(window), 1) << SDL_GetError();
    Scribble(TheDisplay.backSurface, random, false);
    for (int change = 0; change < 2; ++change) {
        PALETTEENTRY entries[256];
        for (int i = 0; i < 256; ++i) {
            entries[i] = PALETTEENTRY{uint8_t(random()), uint8_t(random()), uint8_t(random()), uint8_t(random())};
        }
        SetDisplayPalette(entries);
        ASSERT_EQ(FlipDisplay(), 1);
        SDL_Surface* expected = SDL_ConvertSurfaceFormat(TheDisplay.backSurface, SDL_PIXELFORMAT_ARGB8888, 0);
        std::vector<uint32_t> shown(640 * 480);
        ASSERT_EQ(SDL_RenderReadPixels(TheDisplay.renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, shown.data(), 640 * 4), 0)
            << SDL_GetError();
        for (int y = 0; y < 480; ++y) {
            ASSERT_EQ(std::memcmp(&shown[size_t(y) * 640], static_cast<uint8_t*>(expected->pixels) + y * expected->pitch,
                                  640 * 4),
                      0)
                << "row " << y << " after palette " << change;
        }
        SDL_FreeSurface(expected);
    }
    ShutdownDisplay();
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
