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

namespace {

// The bitmap after its file header: info header, colour table, bottom-up rows. An icon's image
// has twice the height in its header and a 1-bit mask after the rows (1: see-through, index 0).
void PutDib8(Bytes& b, const Canvas& image, const Palette& palette, bool iconMask)
{
    const uint32_t stride = (static_cast<uint32_t>(image.w) + 3u) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(image.h);
    PutLe32(b, InfoHeaderSize);
    PutLe32(b, static_cast<uint32_t>(image.w));
    PutLe32(b, static_cast<uint32_t>(image.h) * (iconMask ? 2 : 1));  // positive: rows stored bottom-up
    PutLe16(b, 1);                                                      // planes
    PutLe16(b, 8);                                                      // bits per pixel
    PutLe32(b, 0);                                                      // BI_RGB
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
    if (!iconMask) return;
    const int maskStride = (image.w + 31) / 32 * 4;
    for (int y = image.h - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(maskStride), 0);
        for (int x = 0; x < image.w; ++x)
            if (image.get(x, y) == 0) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

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
    PutDib8(b, image, palette, false);
    return b;
}

Bytes EncodeIco(const std::vector<Canvas>& images, const Palette& palette)
{
    constexpr uint32_t DirectorySize = 6, EntrySize = 16;
    std::vector<Bytes> bodies;
    for (const Canvas& image : images) {
        bodies.emplace_back();
        PutDib8(bodies.back(), image, palette, true);
    }
    Bytes b;
    PutLe16(b, 0);  // reserved
    PutLe16(b, 1);  // an icon, not a cursor
    PutLe16(b, static_cast<uint32_t>(images.size()));
    uint32_t offset = DirectorySize + EntrySize * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        b.push_back(static_cast<uint8_t>(images[i].w));  // 256 is written as 0
        b.push_back(static_cast<uint8_t>(images[i].h));
        b.push_back(0);  // 256 colours
        b.push_back(0);
        PutLe16(b, 1);  // planes
        PutLe16(b, 8);  // bits per pixel
        PutLe32(b, static_cast<uint32_t>(bodies[i].size()));
        PutLe32(b, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) b.insert(b.end(), body.begin(), body.end());
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
