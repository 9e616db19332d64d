#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "blitter/blitter_object.h"
#include "display/bitmap_file.h"
#include "display/display.h"

namespace {

std::vector<int> Steps(BlitterObject& o, int calls) {
    std::vector<int> shown;
    for (int i = 0; i < calls; ++i) {
        AnimateBlitterObject(&o);
        shown.push_back(o.currentFrame);
    }
    return shown;
}

uint8_t Pixel(int x, int y) {
    SDL_Surface* s = TheDisplay.backSurface;
    return static_cast<uint8_t*>(s->pixels)[y * s->pitch + x];
}

}  // namespace

TEST(Animate, ListStepsEveryFourthCallAndWrapsToElementZero) {
    BlitterObject o;
    o.attributes = AttrMultiAnim;
    const int list[4] = {0, 1, 0, 2};
    LoadBlitterAnimation(&o, 3, 4, list);
    o.currentFrame = 9;
    SetBlitterAnimSpeed(&o, 4);
    SetBlitterAnimation(&o, 3);
    const std::vector<int> shown = Steps(o, 20);
    EXPECT_EQ(shown[0], 9);
    EXPECT_EQ(shown[2], 9);
    EXPECT_EQ(shown[3], 1);
    EXPECT_EQ(shown[7], 0);
    EXPECT_EQ(shown[11], 2);
    EXPECT_EQ(shown[15], 0);
    EXPECT_EQ(shown[19], 1);
    EXPECT_EQ(o.animDone, 0);
    DestroyBlitterObject(&o);
}

TEST(Animate, PlayOnceRestsOnTheLastElement) {
    BlitterObject o;
    o.attributes = AttrMultiAnim | AttrAnimOnce;
    const int list[3] = {5, 6, 7};
    LoadBlitterAnimation(&o, 0, 3, list);
    SetBlitterAnimSpeed(&o, 1);
    EXPECT_EQ(Steps(o, 2), (std::vector<int>{6, 7}));
    EXPECT_EQ(o.animDone, 0);
    EXPECT_EQ(Steps(o, 3), (std::vector<int>{7, 7, 7}));
    EXPECT_EQ(o.animDone, 1);
    SetBlitterAnimation(&o, 0);  // restarts the list but leaves animDone
    EXPECT_EQ(Steps(o, 1), (std::vector<int>{6}));
    EXPECT_EQ(o.animDone, 1);
    DestroyBlitterObject(&o);
}

TEST(Animate, FrameCyclingSingleFrameAndNoMode) {
    BlitterObject o;
    o.attributes = AttrMultiFrame;
    o.frameCount = 10;
    o.currentFrame = 8;
    EXPECT_EQ(Steps(o, 3), (std::vector<int>{9, 0, 1}));
    o.attributes = AttrSingleFrame | AttrMultiFrame;  // the lowest bit decides
    EXPECT_EQ(Steps(o, 1), (std::vector<int>{0}));
    o.attributes = AttrVisible;
    o.currentFrame = 4;
    EXPECT_EQ(Steps(o, 2), (std::vector<int>{4, 4}));
    EXPECT_EQ(AnimateBlitterObject(nullptr), 0);
}

TEST(Animate, MissingEmptyOrShortenedListsStayInside) {
    BlitterObject o;
    o.attributes = AttrMultiAnim;
    o.currentFrame = 3;
    EXPECT_EQ(Steps(o, 2), (std::vector<int>{3, 3}));  // no list loaded
    LoadBlitterAnimation(&o, 0, 0, nullptr);
    EXPECT_EQ(Steps(o, 2), (std::vector<int>{3, 3}));  // a list of only the terminator
    const int longList[4] = {1, 2, 3, 4};
    LoadBlitterAnimation(&o, 0, 4, longList);
    EXPECT_EQ(Steps(o, 3), (std::vector<int>{2, 3, 4}));
    const int shortList[2] = {7, 8};
    LoadBlitterAnimation(&o, 0, 2, shortList);  // step 3 lies past the new list's end
    EXPECT_EQ(Steps(o, 3), (std::vector<int>{8, 7, 8}));
    DestroyBlitterObject(&o);
}

namespace {

struct Draw : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1);
        ASSERT_EQ(CreateBlitterObject(&object, 0, 0, 4, 2, 2, AttrVisible | AttrMultiAnim, 0x800, 0, 8), 1);
        uint8_t pixels[8] = {21, 0, 23, 24, 25, 26, 27, 28};
        BitmapFile cell;
        cell.infoHeader.biWidth = 4;
        cell.infoHeader.biHeight = 2;
        cell.infoHeader.biBitCount = 8;
        cell.pixels = pixels;
        ASSERT_EQ(LoadBlitterFrame(&object, &cell, 0, 0, 0, 1), 1);
        cell.pixels = nullptr;  // the bytes are the array's
        FillSurface(TheDisplay.backSurface, 1, nullptr);
    }
    void TearDown() override {
        DestroyBlitterObject(&object);
        ShutdownDisplay();
    }
    BlitterObject object;
};

}  // namespace

TEST_F(Draw, KeyedBlitAtTheTruncatedPosition) {
    object.posX = 10.75f;
    object.posY = 20.0f;
    ASSERT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    EXPECT_EQ(Pixel(9, 20), 1);
    EXPECT_EQ(Pixel(10, 20), 21);
    EXPECT_EQ(Pixel(11, 20), 1);  // index 0 is transparent
    EXPECT_EQ(Pixel(13, 21), 28);
    EXPECT_EQ(Pixel(14, 21), 1);
}

TEST_F(Draw, NegativeFractionDrawsIntoAOnePixelNarrowerRectangle) {
    object.posX = -0.5f;  // left 0, right trunc(3.5) = 3
    object.posY = 30.0f;
    ASSERT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    EXPECT_EQ(Pixel(0, 30), 21);
    EXPECT_EQ(Pixel(1, 30), 1);
    EXPECT_EQ(Pixel(2, 30), 23);
    EXPECT_EQ(Pixel(3, 30), 1);  // the rectangle ends at 3
    EXPECT_EQ(Pixel(2, 31), 27);

    object.posX = 50.0f;
    object.posY = -0.5f;  // one row lower than the frame: top 0, bottom 1
    ASSERT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    EXPECT_EQ(Pixel(50, 0), 21);
    EXPECT_EQ(Pixel(50, 1), 1);
}

TEST_F(Draw, TheTargetsClipListIsHonoured) {
    const RECT rects[2] = {{0, 0, 12, 480}, {13, 0, 640, 1}};
    AttachClipper(TheDisplay.backSurface, 2, rects);
    object.posX = 10;
    object.posY = 0;
    ASSERT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    EXPECT_EQ(Pixel(10, 1), 25);
    EXPECT_EQ(Pixel(12, 0), 1);   // between the rectangles
    EXPECT_EQ(Pixel(13, 0), 24);  // second rectangle, first row
    EXPECT_EQ(Pixel(13, 1), 1);   // second rectangle ends after one row
}

TEST_F(Draw, HiddenFarOffAndBrokenObjects) {
    object.attributes = AttrMultiAnim;
    EXPECT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    object.attributes = AttrVisible;
    object.posX = -1e30f;
    EXPECT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    object.posX = 1e30f;
    EXPECT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    object.posX = 0;
    object.currentFrame = 1;  // a slot whose cell was never loaded shows nothing
    EXPECT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 1);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) ASSERT_EQ(Pixel(x, y), 1);
    object.currentFrame = 2;  // beyond the object's frames
    EXPECT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 0);
    object.currentFrame = -1;
    EXPECT_EQ(DrawBlitterObject(&object, TheDisplay.backSurface), 0);
    EXPECT_EQ(DrawBlitterObject(nullptr, TheDisplay.backSurface), 0);
}
