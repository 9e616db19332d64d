#include <gtest/gtest.h>

#include <cstring>

#include "display/bitmap_file.h"
#include "bmp_bytes.h"
#include "tests/support/scratch_folder.h"

namespace {

struct Bitmaps : ::testing::Test {
    void SetUp() override { folder.Enter(); }
    ScratchFolder folder;
    void TearDown() override { UnloadBitmapFile(&bitmap); }
    int Load(const std::vector<uint8_t>& bytes) {
        WriteBytes("t.bmp", bytes);
        return LoadBitmapFile(&bitmap, "t.bmp");
    }
    BitmapFile bitmap;
};

}  // namespace

TEST_F(Bitmaps, RowsComeTopFirstAndColoursAreSwappedToRedGreenBlue) {
    ASSERT_EQ(Load(Bmp(4, 2, 8, {1, 2, 3, 4, 5, 6, 7, 8})), 1);
    const uint8_t expected[8] = {5, 6, 7, 8, 1, 2, 3, 4};
    EXPECT_EQ(std::memcmp(bitmap.pixels, expected, 8), 0);
    EXPECT_EQ(bitmap.palette[10].peRed, 245);
    EXPECT_EQ(bitmap.palette[10].peGreen, 5);
    EXPECT_EQ(bitmap.palette[10].peBlue, 10);
    EXPECT_EQ(bitmap.palette[10].peFlags, 4);
}

TEST_F(Bitmaps, RowPaddingInTheFileIsSkipped) {
    // 3 pixels a row, padded to 4 bytes in the file; the record holds 3 bytes a row.
    ASSERT_EQ(Load(Bmp(3, 2, 8, {1, 2, 3, 0xEE, 4, 5, 6, 0xEE})), 1);
    const uint8_t expected[6] = {4, 5, 6, 1, 2, 3};
    EXPECT_EQ(std::memcmp(bitmap.pixels, expected, 6), 0);
}

TEST_F(Bitmaps, ZeroImageSizeMeansExactlyTheRows) {
    ASSERT_EQ(Load(Bmp(4, 1, 8, {9, 8, 7, 6}, 0)), 1);
    EXPECT_EQ(bitmap.pixels[3], 6);
}

TEST_F(Bitmaps, TwentyFourBitPixelsArePackedForTheDisplay) {
    // One row of two pixels (6 bytes, padded to 8), then the top row.
    ASSERT_EQ(Load(Bmp(2, 2, 24, {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0})), 1);
    EXPECT_EQ(int{bitmap.infoHeader.biBitCount}, 16);
    uint16_t values[4];
    std::memcpy(values, bitmap.pixels, 8);
    EXPECT_EQ(values[0], 0xF800);  // top row: red, white
    EXPECT_EQ(values[1], 0xFFFF);
    EXPECT_EQ(values[2], 0x001F);  // bottom row: blue, green
    EXPECT_EQ(values[3], 0x07E0);
}

TEST_F(Bitmaps, SixteenBitPixelsStayAsStored) {
    ASSERT_EQ(Load(Bmp(1, 2, 16, {0x34, 0x12, 0, 0, 0x78, 0x56, 0, 0})), 1);
    const uint8_t expected[4] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(std::memcmp(bitmap.pixels, expected, 4), 0);
}

TEST_F(Bitmaps, RefusedFilesLeaveTheRecordAsItWas) {
    ASSERT_EQ(Load(Bmp(4, 1, 8, {1, 2, 3, 4})), 1);
    uint8_t* kept = bitmap.pixels;
    const BITMAPINFOHEADER info = bitmap.infoHeader;

    std::vector<uint8_t> wrongSignature = Bmp(4, 1, 8, {1, 2, 3, 4});
    wrongSignature[0] = 'X';
    EXPECT_EQ(Load(wrongSignature), 0);
    EXPECT_EQ(Load(Bmp(8, 1, 32, std::vector<uint8_t>(32))), 0);
    EXPECT_EQ(Load(Bmp(8, 1, 4, std::vector<uint8_t>(4))), 0);
    EXPECT_EQ(Load(Bmp(4, 2, 8, std::vector<uint8_t>(8, 9), 7)), 0);  // image size short of the rows
    EXPECT_EQ(bitmap.pixels, kept);
    EXPECT_EQ(int{bitmap.infoHeader.biWidth}, int{info.biWidth});  // packed fields: copied, not bound
    EXPECT_EQ(bitmap.pixels[0], 1);
    EXPECT_EQ(LoadBitmapFile(&bitmap, "missing.bmp"), 0);
    EXPECT_EQ(bitmap.pixels, kept);
}

TEST_F(Bitmaps, SizesThatDoNotFitTheFileAreRefused) {
    const std::vector<uint8_t> row = {1, 2, 3, 4};
    EXPECT_EQ(Load(Bmp(400, 1, 8, row, 4)), 0);         // width beyond the pixel array
    EXPECT_EQ(Load(Bmp(4, 900, 8, row, 4)), 0);         // height beyond the pixel array
    EXPECT_EQ(Load(Bmp(0, 1, 8, row)), 0);
    EXPECT_EQ(Load(Bmp(4, 0, 8, row)), 0);
    EXPECT_EQ(Load(Bmp(-4, 1, 8, row)), 0);
    EXPECT_EQ(Load(Bmp(0x7FFFFFFF, 0x7FFFFFFF, 8, row)), 0);
    EXPECT_EQ(Load(Bmp(0x40000000, 4, 24, row)), 0);
    std::vector<uint8_t> cut = Bmp(4, 1, 8, row);
    cut.resize(40);  // shorter than its headers
    EXPECT_EQ(Load(cut), 0);
    EXPECT_EQ(bitmap.pixels, nullptr);
}

TEST(BitmapRows, FlipReversesRowOrderInPlace) {
    uint8_t rows[9] = {1, 1, 1, 2, 2, 2, 3, 3, 3};
    EXPECT_EQ(FlipBitmapRows(rows, 3, 3), 1);
    const uint8_t expected[9] = {3, 3, 3, 2, 2, 2, 1, 1, 1};
    EXPECT_EQ(std::memcmp(rows, expected, 9), 0);
    EXPECT_EQ(FlipBitmapRows(nullptr, 3, 3), 0);
    BitmapFile empty;
    EXPECT_EQ(UnloadBitmapFile(&empty), 1);
    EXPECT_EQ(empty.pixels, nullptr);
}
