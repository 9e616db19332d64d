#include <SDL.h>
#include <gtest/gtest.h>

#include "display/display.h"
#include "tests/support/scratch_folder.h"

namespace {

uint8_t Pixel(SDL_Surface* s, int x, int y) { return static_cast<uint8_t*>(s->pixels)[y * s->pitch + x]; }

struct Display : ::testing::Test {
    ScratchFolder folder;
    void SetUp() override {
        folder.Enter();
        ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1);
    }
    void TearDown() override { ShutdownDisplay(); }
    SDL_Surface* back() const { return TheDisplay.backSurface; }
};

}  // namespace

TEST_F(Display, BackBufferIsIndexedWithAWholeScreenClipList) {
    ASSERT_NE(back(), nullptr);
    EXPECT_EQ(back()->format->format, SDL_PIXELFORMAT_INDEX8);
    EXPECT_EQ(back()->w, 640);
    EXPECT_EQ(back()->h, 480);
    EXPECT_EQ(back()->format->palette, TheDisplay.displayPalette);
    ASSERT_NE(TheDisplay.backClipper, nullptr);
    EXPECT_EQ(TheDisplay.backClipper->count, 1);
    EXPECT_EQ(TheDisplay.backClipper->bound.right, 640);
    EXPECT_EQ(TheDisplay.backClipper->bound.bottom, 480);
    EXPECT_EQ(TheDisplay.packRgb16, &PackRgb565);
    EXPECT_EQ(FlipDisplay(), 1);  // headless: no window attached
}

TEST(DisplayPalette, MissingFileLeavesTheStartPaletteBlackAndAFileIsLoaded) {
    ScratchFolder folder;
    folder.Enter();
    ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(TheDisplay.displayPalette->colors[7].r, 0);
    ShutdownDisplay();

    WriteText("PALDATA2.PAL", "0 0 0 0\n10 20 30 4\n");
    ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(TheDisplay.paletteEntries[1].peBlue, 30);
    EXPECT_EQ(TheDisplay.displayPalette->colors[1].g, 20);
    ShutdownDisplay();
}

TEST_F(Display, NewPaletteChangesTheSharedColoursInPlace) {
    SDL_Surface* frame = CreatePaletteSurface(8, 8);
    ASSERT_NE(frame, nullptr);
    PALETTEENTRY entries[256] = {};
    entries[5] = PALETTEENTRY{200, 100, 50, 4};
    EXPECT_EQ(SetDisplayPalette(entries), 1);
    EXPECT_EQ(frame->format->palette, TheDisplay.displayPalette);
    EXPECT_EQ(back()->format->palette->colors[5].r, 200);
    EXPECT_EQ(frame->format->palette->colors[5].b, 50);
    FreePaletteSurface(frame);
}

TEST_F(Display, KeyedBlitCopiesIndicesUnchangedEvenWithAnAllBlackPalette) {
    // With every colour equal, any remapping by colour would turn all indices into one.
    SDL_Surface* frame = CreatePaletteSurface(16, 16);
    ASSERT_NE(frame, nullptr);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) static_cast<uint8_t*>(frame->pixels)[y * frame->pitch + x] = uint8_t(y * 16 + x);
    FillSurface(back(), 9, nullptr);
    EXPECT_EQ(BlitKeyed(frame, RECT{0, 0, 16, 16}, back(), RECT{100, 50, 116, 66}), 1);
    EXPECT_EQ(Pixel(back(), 100, 50), 9);  // index 0 is the key: the 9 below shows through
    for (int i = 1; i < 256; ++i) ASSERT_EQ(Pixel(back(), 100 + i % 16, 50 + i / 16), i);
    FreePaletteSurface(frame);
}

TEST_F(Display, FillAndBlitReachOnlyTheUnionOfTheClipRectangles) {
    const RECT rects[2] = {{0, 0, 10, 10}, {5, 20, 15, 30}};
    ClipList* list = AttachClipper(back(), 2, rects);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list, TheDisplay.backClipper);  // replaced in place: the kept pointer stays right
    EXPECT_EQ(list->bound.left, 0);
    EXPECT_EQ(list->bound.top, 0);
    EXPECT_EQ(list->bound.right, 15);
    EXPECT_EQ(list->bound.bottom, 30);

    FillSurface(back(), 3, nullptr);
    int filled = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) filled += Pixel(back(), x, y) == 3;
    EXPECT_EQ(filled, 200);
    EXPECT_EQ(Pixel(back(), 9, 9), 3);
    EXPECT_EQ(Pixel(back(), 10, 9), 0);
    EXPECT_EQ(Pixel(back(), 14, 29), 3);
    EXPECT_EQ(Pixel(back(), 4, 25), 0);

    SDL_Surface* frame = CreatePaletteSurface(40, 40);
    SDL_FillRect(frame, nullptr, 7);
    BlitKeyed(frame, RECT{0, 0, 40, 40}, back(), RECT{0, 0, 40, 40});
    int blitted = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) blitted += Pixel(back(), x, y) == 7;
    EXPECT_EQ(blitted, 200);
    FreePaletteSurface(frame);
}

TEST_F(Display, FillUsesTheLowBitsOfTheColourWithinTheRectangle) {
    const RECT area{10, 10, 20, 12};
    FillSurface(back(), 0x12345, &area);
    EXPECT_EQ(Pixel(back(), 10, 10), 0x45);
    EXPECT_EQ(Pixel(back(), 19, 11), 0x45);
    EXPECT_EQ(Pixel(back(), 20, 11), 0);
    EXPECT_EQ(Pixel(back(), 10, 12), 0);
}

TEST_F(Display, FittedBlitIntoANarrowerRectangleKeepsTheKeyAndTheClip) {
    SDL_Surface* frame = CreatePaletteSurface(4, 1);
    const uint8_t row[4] = {11, 0, 13, 14};
    ASSERT_EQ(CopyToSurface(frame, row, 4, 4, 1), 1);
    FillSurface(back(), 2, nullptr);
    EXPECT_EQ(BlitKeyed(frame, RECT{0, 0, 4, 1}, back(), RECT{0, 0, 3, 1}), 1);
    EXPECT_EQ(Pixel(back(), 0, 0), 11);
    EXPECT_EQ(Pixel(back(), 1, 0), 2);  // key
    EXPECT_EQ(Pixel(back(), 2, 0), 13);
    EXPECT_EQ(Pixel(back(), 3, 0), 2);

    const RECT clip{0, 0, 2, 480};
    AttachClipper(back(), 1, &clip);
    FillSurface(back(), 2, nullptr);
    BlitKeyed(frame, RECT{0, 0, 4, 1}, back(), RECT{0, 5, 3, 6});
    EXPECT_EQ(Pixel(back(), 0, 5), 11);
    EXPECT_EQ(Pixel(back(), 2, 5), 2);  // outside the clip list: neither filled nor drawn
    FreePaletteSurface(frame);
}

TEST_F(Display, RectanglesFarOutsideTheScreenDrawNothing) {
    SDL_Surface* frame = CreatePaletteSurface(4, 4);
    SDL_FillRect(frame, nullptr, 7);
    EXPECT_EQ(BlitKeyed(frame, RECT{0, 0, 4, 4}, back(), RECT{INT32_MIN, INT32_MIN, INT32_MIN + 4, INT32_MIN + 4}), 1);
    EXPECT_EQ(BlitKeyed(frame, RECT{0, 0, 4, 4}, back(), RECT{INT32_MAX - 3, 0, INT32_MAX, 3}), 1);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) ASSERT_EQ(Pixel(back(), x, y), 0);
    FreePaletteSurface(frame);
}

TEST(DisplaySurfaces, NeedTheDisplayPaletteAndRefuseBadSizes) {
    EXPECT_EQ(CreatePaletteSurface(8, 8), nullptr);  // before InitDisplay: no shared palette
    ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1);
    EXPECT_EQ(InitDisplay(640, 480, 8, 0), 0);  // a second display would leak the first
    EXPECT_EQ(CreatePaletteSurface(0, 8), nullptr);
    SDL_Surface* frame = CreatePaletteSurface(4, 4);
    const uint8_t bytes[25] = {};
    EXPECT_EQ(CopyToSurface(frame, bytes, 5, 5, 5), 0);
    EXPECT_EQ(CopyToSurface(frame, bytes, 3, 4, 4), 0);
    EXPECT_EQ(AttachClipper(frame, 0, nullptr), nullptr);
    const RECT many[MaxClipRects + 1] = {};
    EXPECT_EQ(AttachClipper(frame, MaxClipRects + 1, many), nullptr);
    FreePaletteSurface(frame);
    ShutdownDisplay();
    EXPECT_EQ(InitDisplay(640, 480, 16, 0), 0);
}

TEST(Packers, PlaceEachChannel) {
    EXPECT_EQ(PackRgb565(255, 255, 255), 0xFFFF);
    EXPECT_EQ(PackRgb565(255, 0, 0), 0xF800);
    EXPECT_EQ(PackRgb565(8, 4, 8), 0x0821);
    EXPECT_EQ(PackRgb555(255, 255, 255), 0x7FFF);
    EXPECT_EQ(PackRgb555(255, 0, 0), 0x7C00);
    EXPECT_EQ(PackRgb555(8, 8, 8), 0x0421);
}
