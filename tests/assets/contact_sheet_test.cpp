// The review page must open in any viewer: valid chunks, checksums and image data.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>

#include "asset_files.h"

namespace {

uint32_t Be32(const Bytes& b, size_t at)
{
    return static_cast<uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

}  // namespace

TEST(ContactSheet, IsAWellFormedPngOfTheWholeCast)
{
    const Bytes png = ReadWholeFile("contact-sheet.png");
    ASSERT_GT(png.size(), 8u);
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));

    uint32_t width = 0, height = 0;
    Bytes zlib;
    std::vector<std::string> order;
    for (size_t pos = 8; pos + 12 <= png.size();) {
        const uint32_t length = Be32(png, pos);
        ASSERT_LE(pos + 12 + length, png.size());
        const std::string type(png.begin() + static_cast<long>(pos) + 4, png.begin() + static_cast<long>(pos) + 8);
        order.push_back(type);
        EXPECT_EQ(crc32(0, &png[pos + 4], length + 4), Be32(png, pos + 8 + length)) << type;
        if (type == "IHDR") {
            width = Be32(png, pos + 8);
            height = Be32(png, pos + 12);
            EXPECT_EQ(png[pos + 16], 8);  // bit depth
            EXPECT_EQ(png[pos + 17], 2);  // RGB
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), png.begin() + static_cast<long>(pos) + 8,
                        png.begin() + static_cast<long>(pos + 8 + length));
        }
        pos += 12 + length;
    }
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order.front(), "IHDR");
    EXPECT_EQ(order.back(), "IEND");
    // Room for at least every tile and sprite frame once.
    EXPECT_GE(static_cast<uint64_t>(width) * height, 50ull * 64 * 64 + 100ull * 94 * 74);

    // zlib checks the stream's own Adler-32 as it inflates.
    const size_t expected = static_cast<size_t>(height) * (width * 3 + 1);
    Bytes raw(expected + 1);
    uLongf size = static_cast<uLongf>(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &size, zlib.data(), static_cast<uLong>(zlib.size())), Z_OK);
    EXPECT_EQ(size, expected);
}
