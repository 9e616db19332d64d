#include "png_writer.h"

#include <algorithm>
#include <array>

namespace {

uint32_t Crc32(const uint8_t* data, size_t n, uint32_t crc = 0)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const Bytes& data)
{
    uint32_t a = 1, b = 0;
    for (uint8_t v : data) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutChunk(Bytes& out, const char* type, const Bytes& body)
{
    PutBe32(out, static_cast<uint32_t>(body.size()));
    const size_t start = out.size();
    PutText(out, type);
    out.insert(out.end(), body.begin(), body.end());
    PutBe32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
Bytes StoredZlib(const Bytes& raw)
{
    Bytes z{0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        PutLe16(z, static_cast<uint32_t>(n));
        PutLe16(z, static_cast<uint32_t>(~n & 0xFFFF));
        z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + n));
        pos += n;
    } while (pos < raw.size());
    PutBe32(z, Adler32(raw));
    return z;
}

Bytes Scanlines(const uint8_t* pixels, int rowBytes, int rows)
{
    Bytes raw;
    raw.reserve(static_cast<size_t>(rows) * (rowBytes + 1));
    for (int y = 0; y < rows; ++y) {
        raw.push_back(0);  // filter: none
        const uint8_t* row = pixels + static_cast<size_t>(y) * rowBytes;
        raw.insert(raw.end(), row, row + rowBytes);
    }
    return raw;
}

Bytes Header(int w, int h, uint8_t colourType)
{
    Bytes header;
    PutBe32(header, static_cast<uint32_t>(w));
    PutBe32(header, static_cast<uint32_t>(h));
    header.insert(header.end(), {8, colourType, 0, 0, 0});  // 8-bit, deflate, no filter, no interlace
    return header;
}

}  // namespace

Bytes EncodePng(const RgbImage& image)
{
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", Header(image.w, image.h, 2));  // RGB
    PutChunk(out, "IDAT", StoredZlib(Scanlines(image.rgb.data(), image.w * 3, image.h)));
    PutChunk(out, "IEND", {});
    return out;
}

Bytes EncodePng8(const Canvas& image, const Palette& palette)
{
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", Header(image.w, image.h, 3));  // palette indices
    Bytes colours;
    for (const Rgb& e : palette.entry) colours.insert(colours.end(), {e.r, e.g, e.b});
    PutChunk(out, "PLTE", colours);
    PutChunk(out, "tRNS", {0});  // entry 0 see-through, every later entry opaque
    PutChunk(out, "IDAT", StoredZlib(Scanlines(image.px.data(), image.w, image.h)));
    PutChunk(out, "IEND", {});
    return out;
}
