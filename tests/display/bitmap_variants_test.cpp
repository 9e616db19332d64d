// Bitmap files as other tools write them, and the reason given for each file that is refused.
#include <gtest/gtest.h>

#include <string>

#include "bmp_bytes.h"
#include "display/bitmap_file.h"
#include "tests/support/scratch_folder.h"

namespace {

struct BitmapVariants : ::testing::Test {
    void SetUp() override { folder.Enter(); }
    ScratchFolder folder;
    void TearDown() override { UnloadBitmapFile(&bitmap); }
    int Load(const std::vector<uint8_t>& bytes) {
        WriteBytes("t.bmp", bytes);
        return LoadBitmapFile(&bitmap, "t.bmp");
    }
    std::vector<uint8_t> Pixels(size_t count) const { return {bitmap.pixels, bitmap.pixels + count}; }
    std::string Refusal(const std::vector<uint8_t>& bytes) {
        return Load(bytes) ? std::string("(loaded)") : std::string(BitmapFileError());
    }
    BitmapFile bitmap;
};

BmpLayout TwoRows() {
    BmpLayout s;
    s.pixels = {1, 2, 3, 4, 5, 6, 7, 8};  // bottom row, then top row
    return s;
}

const std::vector<uint8_t> TopFirst = {5, 6, 7, 8, 1, 2, 3, 4};

}  // namespace

TEST_F(BitmapVariants, LongerInfoHeadersMoveTheColourTableAndThePixels) {
    for (uint32_t size : {108u, 124u}) {
        SCOPED_TRACE(size);
        BmpLayout s = TwoRows();
        s.infoSize = size;
        ASSERT_EQ(Load(Bmp(s)), 1);
        EXPECT_EQ(Pixels(8), TopFirst);
        EXPECT_EQ(bitmap.palette[1].peRed, 254);  // entry 1: blue 1, green 0, red 254
        EXPECT_EQ(bitmap.palette[1].peBlue, 1);
        EXPECT_EQ(bitmap.palette[200].peGreen, 100);
    }
    BmpLayout os2 = TwoRows();
    os2.infoSize = 12;
    EXPECT_EQ(Refusal(Bmp(os2)), "OS/2 bitmap headers (12 bytes) are not supported");
    BmpLayout other = TwoRows();
    other.infoSize = 64;
    EXPECT_EQ(Refusal(Bmp(other)), "a 64-byte info header is not supported");
}

TEST_F(BitmapVariants, PixelsStartWhereTheFileHeaderSays) {
    std::vector<uint8_t> trailing = Bmp(TwoRows());
    trailing.push_back(0xAA);
    trailing.push_back(0xBB);
    ASSERT_EQ(Load(trailing), 1);
    EXPECT_EQ(Pixels(8), TopFirst);

    BmpLayout gap = TwoRows();
    gap.gap = {9, 9, 9, 9, 9, 9};
    ASSERT_EQ(Load(Bmp(gap)), 1);
    EXPECT_EQ(Pixels(8), TopFirst);

    BmpLayout past = TwoRows();
    past.offBits = 54 + 1024 + 100;
    EXPECT_EQ(Refusal(Bmp(past)), "the file ends after 0 of 8 pixel bytes");
    std::vector<uint8_t> cut = Bmp(TwoRows());
    cut.resize(cut.size() - 2);
    EXPECT_EQ(Refusal(cut), "the file ends after 6 of 8 pixel bytes");
    BmpLayout intoTable = TwoRows();
    intoTable.offBits = 54 + 1000;
    EXPECT_EQ(Refusal(Bmp(intoTable)), "its pixels (at byte 1054) would overlap its headers or colour table");
    BmpLayout large = TwoRows();
    large.sizeImage = 0x7FFFFFF0;  // a stated image size beyond the rows is not needed to read them
    EXPECT_EQ(Load(Bmp(large)), 1);
}

TEST_F(BitmapVariants, AShortColourTableLeavesTheOtherEntriesBlack) {
    BmpLayout s = TwoRows();
    s.clrUsed = 2;
    bitmap.palette[100] = {1, 2, 3, 0};
    ASSERT_EQ(Load(Bmp(s)), 1);
    EXPECT_EQ(Pixels(8), TopFirst);
    EXPECT_EQ(bitmap.palette[0].peRed, 255);
    EXPECT_EQ(bitmap.palette[1].peRed, 254);
    EXPECT_EQ(bitmap.palette[1].peFlags, 4);
    for (int i : {2, 100, 255}) {
        EXPECT_EQ(bitmap.palette[i].peRed + bitmap.palette[i].peGreen + bitmap.palette[i].peBlue, 0) << i;
        EXPECT_EQ(bitmap.palette[i].peFlags, 4) << i;
    }
    BmpLayout tooMany = TwoRows();
    tooMany.clrUsed = 300;
    EXPECT_EQ(Refusal(Bmp(tooMany)), "a colour table of 300 entries is more than 8-bit pixels can use");
    std::vector<uint8_t> cutTable = Bmp(TwoRows());
    cutTable.resize(54 + 500);
    EXPECT_EQ(Refusal(cutTable), "the file ends inside its colour table");
}

TEST_F(BitmapVariants, TopDownFilesAreReadWithoutTheFlip) {
    BmpLayout s = TwoRows();
    s.height = -2;
    ASSERT_EQ(Load(Bmp(s)), 1);
    EXPECT_EQ(Pixels(8), std::vector<uint8_t>({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(int{bitmap.infoHeader.biHeight}, 2);  // the row count the cells are cut by
}

TEST_F(BitmapVariants, RunLengthEncodedPixelsAreDecoded) {
    BmpLayout s;
    s.width = 6;
    s.height = 3;
    s.compression = 1;
    s.pixels = {3, 7,                 // a run of three 7s
                0, 3, 1, 2, 3, 0,     // three literal pixels, padded to an even length
                0, 0,                 // end of the bottom row
                0, 2, 2, 1,           // move 2 right and 1 up: the middle row stays empty
                2, 9,                 // two 9s in the top row from column 2
                0, 1};                // end of the picture
    ASSERT_EQ(Load(Bmp(s)), 1);
    EXPECT_EQ(Pixels(18), std::vector<uint8_t>({0, 0, 9, 9, 0, 0,  //
                                                0, 0, 0, 0, 0, 0,  //
                                                7, 7, 7, 1, 2, 3}));
    s.pixels.resize(s.pixels.size() - 2);  // no end-of-picture code: what was drawn stands
    s.sizeImage = 0;                       // and no stated size: the data runs to the end of the file
    ASSERT_EQ(Load(Bmp(s)), 1);
    EXPECT_EQ(bitmap.pixels[2], 9);
    EXPECT_EQ(bitmap.pixels[17], 3);
}

TEST_F(BitmapVariants, DamagedRunLengthDataIsRefusedWithTheReason) {
    BmpLayout s;
    s.width = 4;
    s.height = 2;
    s.compression = 1;
    const auto refusal = [&](std::vector<uint8_t> data) {
        s.pixels = std::move(data);
        return Refusal(Bmp(s));
    };
    EXPECT_EQ(refusal({5, 1, 0, 1}), "an RLE8 run runs past the end of its row");
    EXPECT_EQ(refusal({0, 5, 1, 2, 3, 4, 5, 0}), "RLE8 literal pixels run past the end of their row");
    EXPECT_EQ(refusal({0, 0, 0, 0, 1, 1}), "the RLE8 data runs past the last row");
    EXPECT_EQ(refusal({0, 2, 1, 3}), "an RLE8 move leaves the picture");
    EXPECT_EQ(refusal({0, 2, 1}), "the RLE8 data ends inside a move");
    EXPECT_EQ(refusal({0, 4, 1, 2}), "the RLE8 data ends inside literal pixels");
    s.pixels = {4, 1, 0, 1};
    s.sizeImage = 40;
    EXPECT_EQ(Refusal(Bmp(s)), "the file ends after 4 of 40 compressed pixel bytes");
    s.sizeImage = -1;
    s.height = -2;
    EXPECT_EQ(Refusal(Bmp(s)), "an RLE8 picture cannot be stored top-down");
    s.height = 16384;
    s.width = 16384;
    EXPECT_EQ(Refusal(Bmp(s)), "a picture of 16384 x 16384 pixels is too large");
    s.width = 4096;
    s.height = 4097;
    EXPECT_EQ(Refusal(Bmp(s)), "a picture of 4096 x 4097 pixels is too large");
    BmpLayout deep = TwoRows();
    deep.bits = 24;
    deep.compression = 1;
    EXPECT_EQ(Refusal(Bmp(deep)), "RLE8 compression needs 8-bit pixels, not 24-bit ones");
}

TEST_F(BitmapVariants, EveryOtherFileIsRefusedByName) {
    const struct {
        uint32_t compression;
        const char* reason;
    } compressions[] = {{2, "RLE4 compression is not supported"},
                        {3, "BITFIELDS compression is not supported"},
                        {4, "JPEG compression is not supported"},
                        {5, "PNG compression is not supported"},
                        {9, "compression type 9 is not supported"}};
    for (const auto& c : compressions) {
        BmpLayout s = TwoRows();
        s.compression = c.compression;
        EXPECT_EQ(Refusal(Bmp(s)), c.reason);
    }
    EXPECT_EQ(Refusal(Bmp(8, 1, 32, std::vector<uint8_t>(32))), "32-bit pixels are not supported");
    EXPECT_EQ(Refusal(Bmp(4, 0, 8, {1, 2, 3, 4})), "a height of 0 pixels is not supported");
    EXPECT_EQ(Refusal(Bmp(-4, 1, 8, {1, 2, 3, 4})), "a width of -4 pixels is not supported");
    EXPECT_EQ(Refusal(Bmp(4, 2, 8, std::vector<uint8_t>(8), 7)),
              "the header's image size of 7 bytes is less than its 8 bytes of rows");
    std::vector<uint8_t> notBmp = Bmp(TwoRows());
    notBmp[0] = 'P';
    EXPECT_EQ(Refusal(notBmp), "it is not a BMP file (it does not start with \"BM\")");
    EXPECT_EQ(Refusal({'B', 'M', 0, 0}), "the file ends inside its headers");
    EXPECT_EQ(LoadBitmapFile(&bitmap, "missing.bmp"), 0);
    EXPECT_EQ(std::string(BitmapFileError()), "cannot open the file (No such file or directory)");
    EXPECT_EQ(Load(Bmp(TwoRows())), 1);
    EXPECT_EQ(std::string(BitmapFileError()), "");
}
