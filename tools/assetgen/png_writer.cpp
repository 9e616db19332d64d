#include "png_writer.h"

#include <zlib.h>

#include <stdexcept>

namespace {

void PutChunk(Bytes& out, const char* type, const Bytes& body)
{
    PutBe32(out, static_cast<uint32_t>(body.size()));
    const size_t start = out.size();
    PutText(out, type);
    out.insert(out.end(), body.begin(), body.end());
    PutBe32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// The scanlines as one zlib stream, at zlib's best compression: the icons' enlarged pixels shrink
// to a few kilobytes, and the bytes stay the same from run to run.
Bytes Deflated(const Bytes& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes z(size);
    if (compress2(z.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not compress a PNG's pixels");
    z.resize(size);
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
    PutChunk(out, "IDAT", Deflated(Scanlines(image.rgb.data(), image.w * 3, image.h)));
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
    PutChunk(out, "IDAT", Deflated(Scanlines(image.px.data(), image.w, image.h)));
    PutChunk(out, "IEND", {});
    return out;
}
