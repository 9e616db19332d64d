// The desktop icons and the window's icon: the sizes the icon theme asks for, see-through
// corners, and every size an exact whole-pixel enlargement of the art, so none is blurred.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <map>

#include "asset_files.h"

namespace {

uint32_t Be32(const Bytes& b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// An 8-bit palettised PNG as our encoder writes it (no filters).
struct IndexedPng {
    int w = 0, h = 0, colourType = -1;
    Bytes palette, transparency, pixels;  // pixels: top row first, w * h indices
    int at(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
};

IndexedPng ReadIndexedPng(const std::string& path)
{
    const Bytes raw = ReadWholeFile(path);
    IndexedPng png;
    if (raw.size() < 8) return png;
    Bytes zlib;
    for (size_t at = 8; at + 12 <= raw.size();) {
        const uint32_t length = Be32(raw, at);
        const std::string type(raw.begin() + long(at) + 4, raw.begin() + long(at) + 8);
        const Bytes body(raw.begin() + long(at) + 8, raw.begin() + long(at + 8 + length));
        if (type == "IHDR") {
            png.w = int(Be32(body, 0));
            png.h = int(Be32(body, 4));
            png.colourType = body[9];
        }
        if (type == "PLTE") png.palette = body;
        if (type == "tRNS") png.transparency = body;
        if (type == "IDAT") zlib.insert(zlib.end(), body.begin(), body.end());
        at += 12 + length;
    }
    Bytes scanlines(size_t(png.h) * (png.w + 1));
    uLongf size = uLongf(scanlines.size());
    if (uncompress(scanlines.data(), &size, zlib.data(), uLong(zlib.size())) != Z_OK || size != scanlines.size())
        return IndexedPng{};
    for (int y = 0; y < png.h; ++y) {
        const size_t row = size_t(y) * (png.w + 1);
        if (row + png.w + 1 > scanlines.size() || scanlines[row] != 0) return IndexedPng{};
        png.pixels.insert(png.pixels.end(), scanlines.begin() + long(row + 1), scanlines.begin() + long(row + 1 + png.w));
    }
    return png;
}

// Every pixel of `big` is the pixel of `small` it covers at the whole factor between them.
bool IsWholePixelEnlargement(const IndexedPng& small, const IndexedPng& big)
{
    if (small.w == 0 || big.w % small.w != 0) return false;
    const int factor = big.w / small.w;
    for (int y = 0; y < big.h; ++y)
        for (int x = 0; x < big.w; ++x)
            if (big.at(x, y) != small.at(x / factor, y / factor)) return false;
    return true;
}

IndexedPng ReadIcon(const std::string& name)
{
    return ReadIndexedPng(std::string(QUORAX_ICON_DIR) + "/" + name);
}

std::map<int, IndexedPng> ReadIcons(std::initializer_list<int> sizes = {16, 32, 48, 64, 128, 256})
{
    std::map<int, IndexedPng> icons;
    for (int size : sizes) icons[size] = ReadIcon(std::to_string(size) + ".png");
    return icons;
}

}  // namespace

TEST(IconFiles, EverySizeIsASquarePaletteImageWithEntryZeroSeeThrough)
{
    for (const auto& [size, png] : ReadIcons({16, 32, 48, 64, 128, 192, 256, 512})) {
        SCOPED_TRACE(size);
        EXPECT_EQ(png.w, size);
        EXPECT_EQ(png.h, size);
        EXPECT_EQ(png.colourType, 3);
        EXPECT_EQ(png.palette.size(), 768u);
        EXPECT_EQ(png.transparency, Bytes{0});
        ASSERT_EQ(png.pixels.size(), size_t(size) * size);
        // Round corners, an opaque middle.
        EXPECT_EQ(png.at(0, 0), 0);
        EXPECT_EQ(png.at(size - 1, 0), 0);
        EXPECT_EQ(png.at(0, size - 1), 0);
        EXPECT_EQ(png.at(size - 1, size - 1), 0);
        EXPECT_NE(png.at(size / 2, size / 2), 0);
    }
}

TEST(IconFiles, LargeSizesAreWholePixelEnlargementsOfTheSmallArt)
{
    auto icons = ReadIcons();
    EXPECT_TRUE(IsWholePixelEnlargement(icons[16], icons[48]));
    for (int size : {64, 128, 256}) EXPECT_TRUE(IsWholePixelEnlargement(icons[32], icons[size])) << size;
    for (auto& [size, web] : ReadIcons({192, 512})) EXPECT_TRUE(IsWholePixelEnlargement(icons[32], web)) << size;
    // The smallest sizes are drawn from their own crop, not shrunk from a larger one.
    EXPECT_FALSE(IsWholePixelEnlargement(icons[16], icons[32]));
}

// A phone cuts its own shape out of these: no see-through pixel, and the bust's head (the icon's
// middle column, where it is not sky) inside the middle circle of 80% that every shape keeps.
TEST(IconFiles, TheFullBleedIconsAreOpaqueWithTheHeadInsideTheSafeCircle)
{
    for (const auto& [name, size] : {std::pair{"maskable-512.png", 512}, {"apple-touch-180.png", 180}}) {
        SCOPED_TRACE(name);
        const IndexedPng png = ReadIcon(name);
        ASSERT_EQ(png.w, size);
        ASSERT_EQ(png.h, size);
        ASSERT_EQ(png.pixels.size(), size_t(size) * size);
        EXPECT_EQ(std::count(png.pixels.begin(), png.pixels.end(), 0), 0);
        // The hero's outline is black, which the sky never is: the topmost black row of the
        // middle column is the top of the head.
        const auto dark = [&](int x, int y) {
            const int i = png.at(x, y);
            return png.palette[3 * i] + png.palette[3 * i + 1] + png.palette[3 * i + 2] == 0;
        };
        int top = 0;
        while (top < size && !dark(size / 2, top)) ++top;
        ASSERT_LT(top, size);
        const double radius = 0.4 * size, centre = size / 2.0;
        EXPECT_LT(centre - top, radius) << "the head's top at row " << top;
        EXPECT_GT(top, size / 10);
    }
}

TEST(IconFiles, TheWindowIconShowsTheSameArtAsTheDesktopIcon)
{
    const BmpFile bmp = ReadBmp(WindowIconFile);
    const IndexedPng png = ReadIcons()[64];
    ASSERT_EQ(bmp.width, 64);
    ASSERT_EQ(bmp.height, 64);
    ASSERT_EQ(bmp.pixels.size(), png.pixels.size());
    EXPECT_TRUE(bmp.pixels == png.pixels);
    // The same colours as well as the same indices.
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(bmp.table[i], (RgbEntry{png.palette[3 * i], png.palette[3 * i + 1], png.palette[3 * i + 2]})) << i;
}

// The Windows program's icon file: every desktop size as an 8-bit bitmap of the same art and
// colours, its mask see-through exactly where the PNG is (index 0).
TEST(IconFiles, TheWindowsIconHoldsEverySizeWithTheSameArtAndSeeThroughParts)
{
    const Bytes ico = ReadWholeFile(std::string(QUORAX_ICON_DIR) + "/quorax.ico");
    const auto le16 = [&](size_t at) { return uint32_t(ico[at]) | uint32_t(ico[at + 1]) << 8; };
    const auto le32 = [&](size_t at) { return le16(at) | le16(at + 2) << 16; };
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(le16(2), 1u);  // an icon
    auto icons = ReadIcons();
    ASSERT_EQ(le16(4), icons.size());
    size_t entry = 6;
    for (const auto& [size, png] : icons) {
        SCOPED_TRACE(size);
        EXPECT_EQ(ico[entry], size % 256);  // 256 is written as 0
        const size_t length = le32(entry + 8), dib = le32(entry + 12);
        entry += 16;
        ASSERT_LE(dib + length, ico.size());
        EXPECT_EQ(le32(dib + 4), uint32_t(size));
        EXPECT_EQ(le32(dib + 8), uint32_t(2 * size));  // the picture and its mask
        EXPECT_EQ(le16(dib + 14), 8u);
        const size_t table = dib + 40, pixels = table + 1024, mask = pixels + size_t(size) * size;
        const size_t maskStride = (size + 31) / 32 * 4;
        ASSERT_EQ(mask + maskStride * size, dib + length);
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ((RgbEntry{ico[table + 4 * i + 2], ico[table + 4 * i + 1], ico[table + 4 * i]}),
                      (RgbEntry{png.palette[3 * i], png.palette[3 * i + 1], png.palette[3 * i + 2]})) << i;
        for (int y = 0; y < size; ++y) {
            const size_t row = size_t(size - 1 - y);  // bottom-up
            for (int x = 0; x < size; ++x) {
                ASSERT_EQ(ico[pixels + row * size + x], png.at(x, y)) << x << "," << y;
                const bool seeThrough = ico[mask + row * maskStride + x / 8] & (0x80 >> (x % 8));
                ASSERT_EQ(seeThrough, png.at(x, y) == 0) << x << "," << y;
            }
        }
    }
}
