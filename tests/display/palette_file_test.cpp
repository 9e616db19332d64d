#include <gtest/gtest.h>

#include "display/display.h"
#include "tests/support/scratch_folder.h"

TEST(PaletteFile, NumbersKeepTheirLowEightBits) {
    ScratchFolder folder;
    folder.Enter();
    WriteText("p.pal", "256 -1 511 4\n+7 99999999999999999999999 300 0\n");
    PALETTEENTRY entries[256] = {};
    ASSERT_EQ(LoadPaletteFile("p.pal", entries), 1);
    EXPECT_EQ(entries[0].peRed, 0);
    EXPECT_EQ(entries[0].peGreen, 255);
    EXPECT_EQ(entries[0].peBlue, 255);
    EXPECT_EQ(entries[0].peFlags, 4);
    EXPECT_EQ(entries[1].peRed, 7);
    EXPECT_EQ(entries[1].peGreen, 255);  // 10^23 - 1, far past any int
    EXPECT_EQ(entries[1].peBlue, 44);
}

TEST(PaletteFile, JunkOrAnEarlyEndStopsTheScanAndKeepsTheRest) {
    ScratchFolder folder;
    folder.Enter();
    WriteText("junk.pal", "1 2 3 4\n5 6 x 8\n9 9 9 9\n");
    PALETTEENTRY entries[256];
    for (PALETTEENTRY& e : entries) e = PALETTEENTRY{77, 77, 77, 77};
    ASSERT_EQ(LoadPaletteFile("junk.pal", entries), 1);
    EXPECT_EQ(entries[0].peFlags, 4);
    EXPECT_EQ(entries[1].peRed, 5);
    EXPECT_EQ(entries[1].peGreen, 6);
    EXPECT_EQ(entries[1].peBlue, 77);  // the junk: nothing after it is read
    EXPECT_EQ(entries[2].peRed, 77);

    WriteText("short.pal", "1 2 3 4");
    for (PALETTEENTRY& e : entries) e = PALETTEENTRY{77, 77, 77, 77};
    ASSERT_EQ(LoadPaletteFile("short.pal", entries), 1);
    EXPECT_EQ(entries[0].peBlue, 3);
    EXPECT_EQ(entries[255].peRed, 77);
}

TEST(PaletteFile, MissingFileIsReported) {
    ScratchFolder folder;
    folder.Enter();
    PALETTEENTRY entries[256] = {};
    EXPECT_EQ(LoadPaletteFile("none.pal", entries), 0);
    EXPECT_EQ(LoadPaletteFile(nullptr, entries), 0);
}
