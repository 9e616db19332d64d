// The bitmaps as the game's reader takes them: layout, sizes, cells and colour ranges.
#include <gtest/gtest.h>

#include <set>

#include "asset_files.h"

namespace {

bool IsTileSheet(const std::string& file) { return file.rfind("SCROLLTEXTURES", 0) == 0; }

// Share of pixels in a cell that are index 0.
double TransparentShare(const BmpFile& bmp, int cellW, int cellH, int col, int row)
{
    int zero = 0;
    for (int y = 0; y < cellH; ++y)
        for (int x = 0; x < cellW; ++x)
            if (bmp.at(col * (cellW + 1) + 1 + x, row * (cellH + 1) + 1 + y) == 0) ++zero;
    return static_cast<double>(zero) / (cellW * cellH);
}

}  // namespace

TEST(BitmapFiles, EveryBitmapIsAnUncompressedEightBitFileWithAFullColourTable)
{
    for (const std::string& file : AllBitmapFiles()) {
        SCOPED_TRACE(file);
        const BmpFile bmp = ReadBmp(file);
        ASSERT_GE(bmp.raw.size(), 54u + 1024u) << "missing or short";
        EXPECT_EQ(bmp.raw[0], 'B');
        EXPECT_EQ(bmp.raw[1], 'M');
        EXPECT_EQ(bmp.infoSize, 40u);
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.bitCount, 8);
        EXPECT_EQ(bmp.compression, 0u);
        EXPECT_EQ(bmp.clrUsed, 256u);
        EXPECT_TRUE(bmp.tableReservedZero);
        ASSERT_GT(bmp.height, 0) << "rows must be stored bottom-up";
        const uint32_t stride = (static_cast<uint32_t>(bmp.width) + 3) & ~3u;
        EXPECT_EQ(bmp.width % 4, 0) << "rows would need padding";
        EXPECT_EQ(bmp.sizeImage, stride * static_cast<uint32_t>(bmp.height));
        EXPECT_EQ(bmp.offBits, 54u + 1024u);
        EXPECT_EQ(bmp.fileSize, bmp.raw.size());
        // Nothing follows the pixels.
        EXPECT_EQ(bmp.raw.size(), bmp.offBits + bmp.sizeImage);
    }
}

TEST(BitmapFiles, SizesHoldEveryCellTheGameCuts)
{
    for (const std::string& file : PictureFiles) {
        const BmpFile bmp = ReadBmp(file);
        EXPECT_EQ(bmp.width, 640) << file;
        EXPECT_EQ(bmp.height, 480) << file;
    }
    for (const CutSheet& sheet : CutSheets()) {
        SCOPED_TRACE(sheet.file);
        const BmpFile bmp = ReadBmp(sheet.file);
        for (const auto& [col, row] : sheet.cells) {
            EXPECT_GE(bmp.width, (col + 1) * (sheet.cellW + 1) + 1);
            EXPECT_GE(bmp.height, (row + 1) * (sheet.cellH + 1) + 1);
        }
    }
    EXPECT_GE(ReadBmp("Devil.BMP").width, 285);
    EXPECT_GE(ReadBmp("Devil.BMP").height, 225);
    EXPECT_GE(ReadBmp("Ammo.BMP").width, 33);
    EXPECT_GE(ReadBmp("Ammo.BMP").height, 11);
    EXPECT_GE(ReadBmp("SCROLLTEXTURES3.BMP").width, 261);
    EXPECT_GE(ReadBmp("SCROLLTEXTURES3.BMP").height, 196);
}

TEST(BitmapFiles, EveryCutCellHoldsAPictureExceptTheOpenTile)
{
    for (const CutSheet& sheet : CutSheets()) {
        const BmpFile bmp = ReadBmp(sheet.file);
        ASSERT_FALSE(bmp.pixels.empty()) << sheet.file;
        for (size_t i = 0; i < sheet.cells.size(); ++i) {
            const auto [col, row] = sheet.cells[i];
            const double clear = TransparentShare(bmp, sheet.cellW, sheet.cellH, col, row);
            if (IsTileSheet(sheet.file) && i == 0)
                EXPECT_EQ(clear, 1.0) << sheet.file << " tile 0 must be fully transparent";
            else
                EXPECT_LT(clear, 1.0) << sheet.file << " frame " << i << " is empty";
        }
    }
}

TEST(BitmapFiles, GridLinesFrameTheCellsUnbroken)
{
    // A frame painted one pixel off its cell would cut into the grid.
    for (const CutSheet& sheet : CutSheets()) {
        SCOPED_TRACE(sheet.file);
        const BmpFile bmp = ReadBmp(sheet.file);
        ASSERT_FALSE(bmp.pixels.empty());
        const int line = bmp.at(0, 0);
        EXPECT_NE(line, 0);
        for (int x = 0; x < bmp.width; x += sheet.cellW + 1)
            for (int y = 0; y < bmp.height; ++y) ASSERT_EQ(bmp.at(x, y), line) << "column " << x << " row " << y;
        for (int y = 0; y < bmp.height; y += sheet.cellH + 1)
            for (int x = 0; x < bmp.width; ++x) ASSERT_EQ(bmp.at(x, y), line) << "column " << x << " row " << y;
    }
}

TEST(BitmapFiles, TilesOfEachClassLookTheirPart)
{
    for (int seg = 1; seg <= 5; ++seg) {
        const std::string file = "SCROLLTEXTURES" + std::to_string(seg) + ".BMP";
        SCOPED_TRACE(file);
        const BmpFile bmp = ReadBmp(file);
        ASSERT_FALSE(bmp.pixels.empty());
        const auto clear = [&](int tile) { return TransparentShare(bmp, 64, 64, tile % 4, tile / 4); };
        // Open scenery and the gate pillar are drawn over the hero's bullet: mostly see-through.
        for (int tile : {4, 5, 9}) EXPECT_GE(clear(tile), 0.70) << "tile " << tile;
        // Ground, walls, barriers and deadly pools are solid blocks.
        for (int tile : {1, 2, 3, 6, 7, 8}) EXPECT_LE(clear(tile), 0.10) << "tile " << tile;
        // Each world paints with its own tile colours.
        int tileRange = 0;
        for (int v : bmp.pixels) tileRange += v >= 192 ? 1 : 0;
        EXPECT_GT(tileRange, 64 * 64 * 4);
    }
}

TEST(BitmapFiles, PicturesAndSpritesUseOnlyTheSharedRange)
{
    // They are shown under whichever tile palette is loaded, so indices 192..255 would
    // change colour from segment to segment.
    std::vector<std::string> files = PictureFiles;
    for (const CutSheet& sheet : CutSheets())
        if (!IsTileSheet(sheet.file)) files.push_back(sheet.file);
    for (const std::string& file : files) {
        const BmpFile bmp = ReadBmp(file);
        ASSERT_FALSE(bmp.pixels.empty()) << file;
        int outside = 0;
        for (int v : bmp.pixels) outside += v >= 192 ? 1 : 0;
        EXPECT_EQ(outside, 0) << file;
    }
}

TEST(BitmapFiles, PicturesArePaintedInTheirVisibleRows)
{
    for (const std::string& file : PictureFiles) {
        const BmpFile bmp = ReadBmp(file);
        ASSERT_FALSE(bmp.pixels.empty()) << file;
        std::set<int> colours;
        int blank = 0;
        for (int y = 0; y < 448; ++y)
            for (int x = 0; x < 640; ++x) {
                colours.insert(bmp.at(x, y));
                blank += bmp.at(x, y) == 0 ? 1 : 0;
            }
        EXPECT_GE(colours.size(), 12u) << file;
        EXPECT_EQ(blank, 0) << file << ": every visible pixel is painted";
    }
}
