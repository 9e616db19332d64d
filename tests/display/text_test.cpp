#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "display/display.h"
#include "display/text.h"
#include "tests/support/scratch_folder.h"

namespace {

struct Text : ::testing::Test {
    ScratchFolder folder;
    void SetUp() override {
        folder.Enter();
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

TEST_F(Text, TheDarkestEntryIsFoundByLightnessAndNeverTheKey) {
    PALETTEENTRY entries[256];
    for (int i = 0; i < 256; ++i) entries[i] = PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    entries[0] = PALETTEENTRY{0, 0, 0, 0};        // black, but the key
    entries[1] = PALETTEENTRY{200, 200, 200, 0};
    entries[77] = PALETTEENTRY{2, 0, 0, 0};       // darker than (2, 2, 2) and than (0, 0, 6)
    entries[78] = PALETTEENTRY{0, 0, 6, 0};
    SetDisplayPalette(entries);
    EXPECT_EQ(DarkestIndex(TheDisplay.displayPalette), 77);
    EXPECT_EQ(NearestIndex(TheDisplay.displayPalette, 0x000000), 77);
}

TEST_F(Text, OutlinedTextKeepsItsGlyphsAndRingsThemWithOnePixelOfTheDarkestEntry) {
    PALETTEENTRY entries[256];
    for (int i = 0; i < 256; ++i) entries[i] = PALETTEENTRY{uint8_t(i), uint8_t(255 - i), 128, 0};
    entries[200] = PALETTEENTRY{250, 60, 60, 0};
    entries[9] = PALETTEENTRY{3, 3, 3, 0};  // the darkest
    SetDisplayPalette(entries);
    SDL_Surface* s = TheDisplay.backSurface;
    const auto at = [s](int x, int y) { return static_cast<uint8_t*>(s->pixels)[y * s->pitch + x]; };
    ASSERT_EQ(DrawTextGdi("HEALTH: 100", 5, 1, 0x3232FF, s), 1);
    std::vector<bool> glyph(640 * 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) glyph[y * 640 + x] = at(x, y) == 200;

    const uint8_t light = 130;  // a bright picture behind the text
    FillSurface(s, light, nullptr);
    ASSERT_EQ(DrawOutlinedText("HEALTH: 100", 5, 1, 0x3232FF, StatusTextSize, s), 1);
    int glyphs = 0, ring = 0;
    for (int y = 1; y < 479; ++y)
        for (int x = 1; x < 639; ++x) {
            const uint8_t p = at(x, y);
            EXPECT_EQ(p == 200, glyph[y * 640 + x]) << x << "," << y;  // the same glyphs in the same place
            bool nextToGlyph = false, nextToPicture = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    nextToGlyph = nextToGlyph || glyph[(y + dy) * 640 + x + dx];
                    nextToPicture = nextToPicture || at(x + dx, y + dy) == light;
                }
            if (p == 200) {
                ++glyphs;
                EXPECT_FALSE(nextToPicture) << "a glyph pixel touches the picture at " << x << "," << y;
            } else if (p == 9) {
                ++ring;
                EXPECT_TRUE(nextToGlyph) << "the ring is wider than a pixel at " << x << "," << y;
            } else {
                EXPECT_EQ(p, light) << x << "," << y;
            }
        }
    EXPECT_GT(glyphs, 100);
    EXPECT_GT(ring, glyphs / 2);
}

TEST_F(Text, OutlinedStatusTextStillEndsInsideTheScreen) {
    FillSurface(TheDisplay.backSurface, 0, nullptr);
    ASSERT_EQ(DrawOutlinedText("QUORAX BULLETS: 100", 515, 1, 0x3232FF, StatusTextSize, TheDisplay.backSurface), 1);
    SDL_Surface* s = TheDisplay.backSurface;
    int right = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 640; ++x)
            if (static_cast<uint8_t*>(s->pixels)[y * s->pitch + x]) right = std::max(right, x);
    EXPECT_GT(right, 600);
    EXPECT_LT(right, 639);  // the ring too, with a pixel to spare
    // The width (used to centre text) covers the ink, ring included, and little more.
    const int width = OutlinedTextWidth("QUORAX BULLETS: 100", StatusTextSize);
    EXPECT_GE(515 - 1 + width, right + 1);
    EXPECT_LE(515 - 1 + width, right + 4);
    EXPECT_EQ(DrawOutlinedText("X", 5, 1, 0x3232FF, StatusTextSize, nullptr), 0);
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
