#include <SDL.h>
#include <gtest/gtest.h>

#include "display/display.h"
#include "display/text.h"
#include "temp_folder.h"

namespace {

struct Text : ::testing::Test {
    void SetUp() override {
        EnterTempFolder();
        ASSERT_EQ(InitDisplay(640, 480, 8, 0), 1);
        PALETTEENTRY entries[256] = {};
        entries[0] = PALETTEENTRY{255, 40, 40, 0};  // the key: must never be chosen
        for (int i = 1; i < 256; ++i) entries[i] = PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0};
        entries[200] = PALETTEENTRY{250, 60, 60, 0};  // the nearest red apart from the key
        SetDisplayPalette(entries);
    }
    void TearDown() override {
        ShutdownText();
        ShutdownDisplay();
    }
    // Lit pixels; every one must be `index`, and their right edge is returned.
    int Lit(int index, int* right) {
        SDL_Surface* s = TheDisplay.backSurface;
        int count = 0;
        *right = -1;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                const uint8_t p = static_cast<uint8_t*>(s->pixels)[y * s->pitch + x];
                if (!p) continue;
                EXPECT_EQ(p, index);
                ++count;
                *right = std::max(*right, x);
            }
        return count;
    }
};

}  // namespace

TEST_F(Text, StatusLineFitsTheScreenInTheNearestNonKeyColour) {
    ASSERT_EQ(DrawTextGdi("QUORAX BULLETS: 100", 0, 1, 0x3232FF, TheDisplay.backSurface), 1);
    int right;
    const int whole = Lit(200, &right);
    EXPECT_GT(whole, 100);
    FillSurface(TheDisplay.backSurface, 0, nullptr);
    ASSERT_EQ(DrawTextGdi("QUORAX BULLETS: 100", 515, 1, 0x3232FF, TheDisplay.backSurface), 1);
    EXPECT_EQ(Lit(200, &right), whole);  // nothing cut at the right edge
    EXPECT_LT(right, 640);
}

TEST_F(Text, BackgroundStaysAndTheClipListHolds) {
    const RECT top{0, 0, 640, 6};
    AttachClipper(TheDisplay.backSurface, 1, &top);
    ASSERT_EQ(DrawTextGdi("HEALTH: 100", 5, 1, 0x3232FF, TheDisplay.backSurface), 1);
    SDL_Surface* s = TheDisplay.backSurface;
    int lit = 0;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            if (static_cast<uint8_t*>(s->pixels)[y * s->pitch + x]) {
                ++lit;
                EXPECT_LT(y, 6);
            }
    EXPECT_GT(lit, 0);
}

TEST_F(Text, EmptyTextDrawsNothingAndAMissingSurfaceFails) {
    EXPECT_EQ(DrawTextGdi("", 5, 1, 0x3232FF, TheDisplay.backSurface), 1);
    int right;
    EXPECT_EQ(Lit(200, &right), 0);
    EXPECT_EQ(DrawTextGdi("X", 5, 1, 0x3232FF, nullptr), 0);
}

TEST(ErrorLog, WritesOnlyWhenALogIsOpen) {
    EXPECT_EQ(WriteErrorLog("\npixel format = %d", 8), 0);
    FILE* log = std::tmpfile();
    ErrorLogFile = log;
    EXPECT_EQ(WriteErrorLog("\npixel format = %d", 8), 1);
    EXPECT_EQ(WriteErrorLog(nullptr), 0);
    std::rewind(log);
    char line[80] = {};
    EXPECT_EQ(std::fread(line, 1, sizeof line - 1, log), 17u);
    EXPECT_STREQ(line, "\npixel format = 8");
    ErrorLogFile = nullptr;
    std::fclose(log);
}
