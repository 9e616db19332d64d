// The backdrops as the game draws them: opaque, wide and high enough for the screen, painted
// in their land's colours, repeating without a seam, and dark or plain where the status line
// stands over them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "asset_files.h"

namespace {

int Luma(const RgbEntry& c) { return (c.r * 30 + c.g * 59 + c.b * 11) / 100; }

// How much the four columns from x on differ in brightness from the four before them (wrapping
// at the picture's width), summed over the rows. Four columns hold one whole turn of the ordered
// dither, so a dithered gradient steps by nothing and only real edges count.
long BlockStep(const BmpFile& bmp, int x)
{
    const auto column = [&](int cx, int y) { return Luma(bmp.table[bmp.at((cx + bmp.width) % bmp.width, y)]); };
    long sum = 0;
    for (int y = 0; y < bmp.height; ++y) {
        int before = 0, after = 0;
        for (int k = 0; k < 4; ++k) {
            before += column(x - 4 + k, y);
            after += column(x + k, y);
        }
        sum += std::abs(after - before);
    }
    return sum;
}

}  // namespace

TEST(BackdropFiles, AreOpaqueAndCoverTheScreenWhenTwoStandSideBySide)
{
    for (const std::string& file : BackdropFiles) {
        SCOPED_TRACE(file);
        const BmpFile bmp = ReadBmp(file);
        ASSERT_FALSE(bmp.pixels.empty());
        EXPECT_EQ(bmp.width % 4, 0) << "rows without padding";
        EXPECT_GE(bmp.width, 640);
        EXPECT_GE(bmp.height, 448);
        // Index 0 is the colour key: any pixel of it would let the cleared buffer's black through.
        EXPECT_EQ(std::count(bmp.pixels.begin(), bmp.pixels.end(), 0), 0);
    }
}

TEST(BackdropFiles, ArePaintedInTheirLandsTileColoursAndManyShades)
{
    for (const std::string& file : BackdropFiles) {
        SCOPED_TRACE(file);
        const BmpFile bmp = ReadBmp(file);
        ASSERT_FALSE(bmp.pixels.empty());
        const std::set<int> used(bmp.pixels.begin(), bmp.pixels.end());
        // Gradients and silhouettes, not a flat fill.
        EXPECT_GE(used.size(), 16u);
        // The land's own range (192..255) carries part of each picture.
        const long landPixels = std::count_if(bmp.pixels.begin(), bmp.pixels.end(), [](int v) { return v >= 192; });
        EXPECT_GT(landPixels, static_cast<long>(bmp.pixels.size()) / 20);
    }
}

TEST(BackdropFiles, RepeatWithoutASeam)
{
    // Scrolling shows the last column beside the first: that step must look like any other.
    for (const std::string& file : BackdropFiles) {
        SCOPED_TRACE(file);
        const BmpFile bmp = ReadBmp(file);
        ASSERT_FALSE(bmp.pixels.empty());
        std::vector<long> steps;
        for (int x = 4; x < bmp.width; x += 4) steps.push_back(BlockStep(bmp, x));
        std::sort(steps.begin(), steps.end());
        const long usual = steps[steps.size() * 9 / 10];
        EXPECT_LE(BlockStep(bmp, 0), usual) << "the seam against the 90th percentile of all steps";
    }
}

TEST(BackdropFiles, LeaveTheStatusLineReadable)
{
    // The red status text (255, 50, 50) stands on rows 1 to 15: no colour there may come near it.
    for (const std::string& file : BackdropFiles) {
        SCOPED_TRACE(file);
        const BmpFile bmp = ReadBmp(file);
        ASSERT_FALSE(bmp.pixels.empty());
        long nearRed = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < bmp.width; ++x) {
                const RgbEntry& c = bmp.table[bmp.at(x, y)];
                const long dr = c.r - 255, dg = c.g - 50, db = c.b - 50;
                nearRed += dr * dr + dg * dg + db * db < 120 * 120 ? 1 : 0;
            }
        EXPECT_EQ(nearRed, 0);
    }
}
