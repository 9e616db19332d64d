// The game's pictures written anew by ImageMagick, in the forms it writes by default, read as they look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "display/bitmap_file.h"
#include "tests/support/scratch_folder.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // every pixel through the file's own colour table
};

Picture Read(const std::string& file)
{
    BitmapFile bitmap;
    Picture picture;
    if (!LoadBitmapFile(&bitmap, file.c_str())) {
        ADD_FAILURE() << file << ": " << BitmapFileError();
        return picture;
    }
    picture.width = bitmap.infoHeader.biWidth;
    picture.height = bitmap.infoHeader.biHeight;
    for (int i = 0; i < picture.width * picture.height; ++i) {
        const PALETTEENTRY& c = bitmap.palette[bitmap.pixels[i]];
        picture.rgb.push_back(uint32_t{c.peRed} << 16 | uint32_t{c.peGreen} << 8 | c.peBlue);
    }
    UnloadBitmapFile(&bitmap);
    return picture;
}

}  // namespace

TEST(ImageMagickFiles, HeadersOf124BytesAndRunLengthPixelsShowThePictureUnchanged)
{
    if (std::system("command -v convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick is not installed";
    const std::filesystem::path assets = std::filesystem::current_path();
    ScratchFolder folder;
    folder.Enter();
    // BMP: writes a 124-byte header, BMP3: a 40-byte one; both compress 8-bit pixels with RLE8 unless told not to.
    const char* forms[] = {"BMP:", "BMP3:", "-compress None BMP:", "-compress None BMP3:"};
    for (const char* name : {"title.bmp", "Barb.BMP"}) {
        const Picture original = Read((assets / name).string());
        ASSERT_GT(original.width, 0);
        for (const char* form : forms) {
            SCOPED_TRACE(std::string(name) + " as " + form);
            // The options, then the output named with its format prefix ("BMP:out.bmp").
            const std::string command = "convert '" + (assets / name).string() + "' " + form + "out.bmp";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            const Picture copy = Read("out.bmp");
            EXPECT_EQ(copy.width, original.width);
            EXPECT_EQ(copy.height, original.height);
            EXPECT_TRUE(copy.rgb == original.rgb);
        }
    }
}
