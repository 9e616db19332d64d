#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "blitter/blitter_object.h"
#include "display/bitmap_file.h"
#include "display/display.h"
#include "display/shared_surfaces.h"

namespace {

// A picture whose every pixel tells where it is: x + 13 * y (mod 256, never mind the key).
struct Sheet {
    Sheet(int width, int height) : bytes(size_t(width) * height) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) bytes[size_t(y) * width + x] = uint8_t(x + 13 * y);
        bitmap.infoHeader.biWidth = width;
        bitmap.infoHeader.biHeight = height;
        bitmap.infoHeader.biBitCount = 8;
        bitmap.pixels = bytes.data();
    }
    ~Sheet() { bitmap.pixels = nullptr; }  // the bytes are the vector's
    std::vector<uint8_t> bytes;
    BitmapFile bitmap;
};

uint8_t FramePixel(const BlitterObject& o, int frame, int x, int y) {
    SDL_Surface* s = o.frames[frame];
    return static_cast<uint8_t*>(s->pixels)[y * s->pitch + x];
}

struct Blitter : ::testing::Test {
    void SetUp() override { ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1); }
    void TearDown() override {
        DestroyBlitterObject(&object);
        ShutdownDisplay();
    }
    BlitterObject object;
};

}  // namespace

TEST_F(Blitter, CreateFillsTheRecordAndEachLoadMakesItsFrameSurface) {
    object.intVars[3] = 42;
    ASSERT_EQ(CreateBlitterObject(&object, 275, 249, 94, 74, 3, 0x14, 0x800, 0, 8), 1);
    EXPECT_EQ(object.status, 1);
    EXPECT_EQ(object.attributes, 0x14);
    EXPECT_EQ(object.posX, 275.0f);
    EXPECT_EQ(object.posY, 249.0f);
    EXPECT_EQ(object.frameCount, 3);
    EXPECT_EQ(object.intVars[3], 42);  // left for the caller
    EXPECT_EQ(object.frames[0], nullptr);  // slots cost nothing until a cell is loaded into them

    Sheet sheet(300, 160);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, i, i, 0, 0), 1);
        ASSERT_NE(object.frames[i], nullptr);
        EXPECT_EQ(object.frames[i]->w, 94);
        EXPECT_EQ(object.frames[i]->h, 74);
    }
    EXPECT_EQ(object.frames[3], nullptr);
}

TEST_F(Blitter, CreateStillFailsWhenNoSurfaceOfTheFrameSizeCanBeMade) {
    EXPECT_EQ(CreateBlitterObject(&object, 0, 0, 0, 74, 3, 0x14, 0x800, 0, 8), 0);
    EXPECT_EQ(CreateBlitterObject(&object, 0, 0, 94, -1, 3, 0x14, 0x800, 0, 8), 0);
    ShutdownDisplay();  // no display palette: no palette surface
    EXPECT_EQ(CreateBlitterObject(&object, 0, 0, 94, 74, 1, 0x14, 0x800, 0, 8), 0);
    ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1);
}

TEST_F(Blitter, MembersThatCutTheSameCellShareOneSurfaceUntilTheLastLetsGo) {
    Sheet sheet(300, 160);
    BlitterObject other;
    const int before = SharedSurfaceCount();
    ASSERT_EQ(CreateBlitterObject(&object, 0, 0, 94, 74, 2, 0x14, 0x800, 0, 8), 1);
    ASSERT_EQ(CreateBlitterObject(&other, 0, 0, 94, 74, 2, 0x14, 0x800, 0, 8), 1);
    ASSERT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 1, 0, 0), 1);
    ASSERT_EQ(LoadBlitterFrame(&other, &sheet.bitmap, 1, 1, 0, 0), 1);
    ASSERT_EQ(LoadBlitterFrame(&other, &sheet.bitmap, 0, 2, 0, 0), 1);
    EXPECT_EQ(other.frames[1], object.frames[0]);
    EXPECT_NE(other.frames[0], object.frames[0]);
    EXPECT_EQ(SharedSurfaceCount(), before + 2);

    // Loading another cell over a shared frame leaves the other holder's pixels alone.
    ASSERT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 0, 1, 0), 1);
    EXPECT_EQ(FramePixel(other, 1, 0, 0), uint8_t(96 + 13 * 1));
    EXPECT_EQ(FramePixel(object, 0, 0, 0), uint8_t(1 + 13 * 76));

    DestroyBlitterObject(&other);
    EXPECT_EQ(FramePixel(object, 0, 0, 0), uint8_t(1 + 13 * 76));
    DestroyBlitterObject(&object);
    EXPECT_EQ(SharedSurfaceCount(), before);  // the leak checker sees each surface freed once
}

TEST_F(Blitter, CreateAgainReleasesTheEarlierFramesAndLists) {
    ASSERT_EQ(CreateBlitterObject(&object, 0, 0, 64, 64, 40, 0x12, 0x800, 0, 8), 1);
    const int list[3] = {1, 2, 3};
    LoadBlitterAnimation(&object, 2, 3, list);
    ASSERT_EQ(CreateBlitterObject(&object, 0, 0, 64, 64, 2, 0x12, 0x800, 0, 8), 1);
    EXPECT_EQ(object.frames[2], nullptr);  // the leak checker sees the 38 surfaces released too
    EXPECT_EQ(object.animLists[2], nullptr);
    EXPECT_EQ(CreateBlitterObject(&object, 0, 0, 8, 8, 0, 0x12, 0x800, 0, 8), 1);
    EXPECT_EQ(object.frames[0], nullptr);
    EXPECT_EQ(CreateBlitterObject(&object, 0, 0, 8, 8, MaxBlitterFrames + 1, 0x12, 0x800, 0, 8), 0);
    EXPECT_EQ(CreateBlitterObject(nullptr, 0, 0, 8, 8, 1, 0x12, 0x800, 0, 8), 0);
}

TEST_F(Blitter, CellModeSkipsTheFrameLinesAndAbsoluteModeDoesNot) {
    Sheet sheet(200, 160);
    ASSERT_EQ(CreateBlitterObject(&object, 0, 0, 94, 74, 3, 0x14, 0x800, 0, 8), 1);
    ASSERT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 1, 0, 0), 1);
    EXPECT_EQ(FramePixel(object, 0, 0, 0), uint8_t(96 + 13 * 1));
    EXPECT_EQ(FramePixel(object, 0, 93, 73), uint8_t(96 + 93 + 13 * 74));
    ASSERT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 1, 0, 0, 1), 1);
    EXPECT_EQ(FramePixel(object, 1, 0, 0), 0);
    EXPECT_EQ(FramePixel(object, 1, 5, 2), uint8_t(5 + 26));
    EXPECT_TRUE(object.attributes & AttrLoaded);

    Sheet tall(50, 240);
    BlitterObject small;
    ASSERT_EQ(CreateBlitterObject(&small, 0, 0, 10, 74, 1, 0x14, 0x800, 0, 8), 1);
    ASSERT_EQ(LoadBlitterFrame(&small, &tall.bitmap, 0, 2, 2, 0), 1);  // cell (2, 2) starts at (23, 151)
    EXPECT_EQ(FramePixel(small, 0, 0, 0), uint8_t(23 + 13 * 151));
    DestroyBlitterObject(&small);
}

TEST_F(Blitter, CellsOutsideTheBitmapAreRefused) {
    Sheet sheet(100, 80);
    ASSERT_EQ(CreateBlitterObject(&object, 0, 0, 94, 74, 2, 0x14, 0x800, 0, 8), 1);
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 0, 0, 0), 1);  // (1,1)..(95,75) fits
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 1, 0, 0), 0);
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 0, 1, 0), 0);
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 7, 0, 1), 0);
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, -1, 0, 1), 0);
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 0, 0x7FFFFFFF, 0, 0), 0);
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 2, 0, 0, 1), 0);  // no such frame slot
    EXPECT_EQ(LoadBlitterFrame(&object, &sheet.bitmap, 64, 0, 0, 1), 0);
    BitmapFile unloaded;
    EXPECT_EQ(LoadBlitterFrame(&object, &unloaded, 0, 0, 0, 1), 0);
    EXPECT_EQ(LoadBlitterFrame(&object, nullptr, 0, 0, 0, 1), 0);
}

TEST_F(Blitter, AnimationListsAreCopiedEndedAndReplaced) {
    ASSERT_EQ(CreateBlitterObject(&object, 0, 0, 8, 8, 1, 0x14, 0x800, 0, 8), 1);
    ASSERT_EQ(LoadBlitterAnimation(&object, 0, 0, nullptr), 1);
    EXPECT_EQ(object.animLists[0][0], -1);
    int frames[4] = {3, 1, 4, 1};
    ASSERT_EQ(LoadBlitterAnimation(&object, 5, 4, frames), 1);
    frames[0] = 9;  // the object keeps its own copy
    EXPECT_EQ(object.animLists[5][0], 3);
    EXPECT_EQ(object.animLists[5][4], -1);
    ASSERT_EQ(LoadBlitterAnimation(&object, 5, 1, frames), 1);  // the old list is freed (leak checker)
    EXPECT_EQ(object.animLists[5][1], -1);
    EXPECT_EQ(LoadBlitterAnimation(&object, MaxBlitterAnims, 1, frames), 0);
    EXPECT_EQ(LoadBlitterAnimation(&object, 0, -1, frames), 0);
}
