#pragma once
// Bitmap files built byte by byte, in the shapes common tools write and in damaged ones.
#include <cstdint>
#include <vector>

struct BmpLayout {
    int width = 4;
    int height = 2;  // negative: rows stored top first
    int bits = 8;
    uint32_t infoSize = 40;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;  // 8-bit files carry this many table entries (0: all 256)
    int64_t sizeImage = -1;  // -1: the size of `pixels`
    int64_t offBits = -1;    // -1: where the pixels really start
    std::vector<uint8_t> gap;  // bytes between the colour table and the pixels
    std::vector<uint8_t> pixels = std::vector<uint8_t>(8);
};

inline void PutLe(std::vector<uint8_t>& b, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// Colour table entry i holds blue i, green i / 2, red 255 - i.
inline std::vector<uint8_t> Bmp(const BmpLayout& s) {
    const size_t entries = s.bits == 8 ? (s.clrUsed ? s.clrUsed : 256) : 0;
    const size_t tableStart = 14 + s.infoSize;
    std::vector<uint8_t> b(tableStart + 4 * entries);
    b[0] = 'B';
    b[1] = 'M';
    const size_t pixelsAt = b.size() + s.gap.size();
    PutLe(b, 2, uint32_t(pixelsAt + s.pixels.size()), 4);
    PutLe(b, 10, uint32_t(s.offBits < 0 ? int64_t(pixelsAt) : s.offBits), 4);
    PutLe(b, 14, s.infoSize, 4);
    if (s.infoSize >= 16) {
        PutLe(b, 18, uint32_t(s.width), 4);
        PutLe(b, 22, uint32_t(s.height), 4);
        PutLe(b, 26, 1, 2);
        PutLe(b, 28, uint32_t(s.bits), 2);
    }
    if (s.infoSize >= 40) {
        PutLe(b, 30, s.compression, 4);
        PutLe(b, 34, uint32_t(s.sizeImage < 0 ? int64_t(s.pixels.size()) : s.sizeImage), 4);
        PutLe(b, 46, s.clrUsed, 4);
    }
    for (size_t i = 0; i < entries; ++i) {
        b[tableStart + 4 * i] = uint8_t(i);
        b[tableStart + 4 * i + 1] = uint8_t(i / 2);
        b[tableStart + 4 * i + 2] = uint8_t(255 - i);
    }
    b.insert(b.end(), s.gap.begin(), s.gap.end());
    b.insert(b.end(), s.pixels.begin(), s.pixels.end());
    return b;
}

// An uncompressed file with a 40-byte header and a full table; pixels bottom row first.
inline std::vector<uint8_t> Bmp(int width, int height, int bits, const std::vector<uint8_t>& pixels,
                                int64_t sizeImage = -1) {
    BmpLayout s;
    s.width = width;
    s.height = height;
    s.bits = bits;
    s.pixels = pixels;
    s.sizeImage = sizeImage;
    return Bmp(s);
}
