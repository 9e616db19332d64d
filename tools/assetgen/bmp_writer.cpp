#include "bmp_writer.h"

namespace {
constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t ColourTableSize = 256 * 4;
constexpr uint32_t PixelsPerMetre = 2835;  // 72 dpi
// PC_NOCOLLAPSE, the flags value the game's reader gives every bitmap entry; the palette
// file carries the same so that loading a bitmap changes no entry.
constexpr int PaletteFlags = 4;
}  // namespace

Bytes EncodeBmp8(const Canvas& image, const Palette& palette)
{
    const uint32_t stride = (static_cast<uint32_t>(image.w) + 3u) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(image.h);
    const uint32_t offBits = FileHeaderSize + InfoHeaderSize + ColourTableSize;

    Bytes b;
    b.reserve(offBits + imageSize);
    PutText(b, "BM");
    PutLe32(b, offBits + imageSize);
    PutLe32(b, 0);  // two reserved words
    PutLe32(b, offBits);

    PutLe32(b, InfoHeaderSize);
    PutLe32(b, static_cast<uint32_t>(image.w));
    PutLe32(b, static_cast<uint32_t>(image.h));  // positive: rows stored bottom-up
    PutLe16(b, 1);                               // planes
    PutLe16(b, 8);                               // bits per pixel
    PutLe32(b, 0);                               // BI_RGB
    PutLe32(b, imageSize);
    PutLe32(b, PixelsPerMetre);
    PutLe32(b, PixelsPerMetre);
    PutLe32(b, 256);  // colours used
    PutLe32(b, 0);    // all colours important

    for (const Rgb& c : palette.entry) {
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        b.push_back(0);
    }
    for (int y = image.h - 1; y >= 0; --y) {
        const auto row = image.px.begin() + static_cast<long>(y) * image.w;
        b.insert(b.end(), row, row + image.w);
        b.insert(b.end(), stride - static_cast<uint32_t>(image.w), 0);
    }
    return b;
}

std::string EncodePaletteText(const Palette& palette)
{
    std::string text;
    for (const Rgb& c : palette.entry)
        text += std::to_string(c.r) + ' ' + std::to_string(c.g) + ' ' + std::to_string(c.b) + ' ' +
                std::to_string(PaletteFlags) + '\n';
    return text;
}
