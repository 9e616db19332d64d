// The review page must open in any viewer: valid chunks, checksums and image data.
#include <gtest/gtest.h>

#include <algorithm>

#include "asset_files.h"

namespace {

uint32_t Be32(const Bytes& b, size_t at)
{
    return static_cast<uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

uint32_t Crc32(const uint8_t* p, size_t n)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
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
        EXPECT_EQ(Crc32(&png[pos + 4], length + 4), Be32(png, pos + 8 + length)) << type;
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

    // Walk the deflate blocks (stored ones) and check the decoded size and the Adler-32.
    ASSERT_GE(zlib.size(), 6u);
    EXPECT_EQ((zlib[0] << 8 | zlib[1]) % 31, 0) << "zlib header check";
    Bytes raw;
    size_t pos = 2;
    for (bool last = false; !last;) {
        ASSERT_LT(pos + 5, zlib.size());
        last = zlib[pos] & 1;
        ASSERT_EQ((zlib[pos] >> 1) & 3, 0) << "only stored blocks are decoded here";
        const size_t n = zlib[pos + 1] | zlib[pos + 2] << 8;
        ASSERT_EQ(n ^ 0xFFFF, static_cast<size_t>(zlib[pos + 3] | zlib[pos + 4] << 8));
        ASSERT_LE(pos + 5 + n, zlib.size());
        raw.insert(raw.end(), zlib.begin() + static_cast<long>(pos) + 5, zlib.begin() + static_cast<long>(pos + 5 + n));
        pos += 5 + n;
    }
    EXPECT_EQ(raw.size(), static_cast<size_t>(height) * (width * 3 + 1));
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    ASSERT_EQ(pos + 4, zlib.size());
    EXPECT_EQ(b << 16 | a, Be32(zlib, pos));
}
