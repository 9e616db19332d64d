#include "display/bitmap_rle8.h"

#include <cstring>

// The data is a series of byte pairs: a count of 1..255 repeats the next byte; a count of 0
// escapes: 0 ends the row, 1 ends the picture, 2 moves right and up by the next two bytes,
// 3..255 copies that many literal bytes (padded to an even length).
const char* DecodeRle8(const uint8_t* data, size_t size, int width, int height, uint8_t* out)
{
    const size_t rowBytes = static_cast<size_t>(width);
    size_t at = 0;
    int x = 0, y = 0;
    while (at + 2 <= size) {
        const int count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            if (y >= height) return "the RLE8 data runs past the last row";
            if (count > width - x) return "an RLE8 run runs past the end of its row";
            std::memset(out + static_cast<size_t>(y) * rowBytes + x, value, static_cast<size_t>(count));
            x += count;
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return nullptr;
        } else if (value == 2) {
            if (at + 2 > size) return "the RLE8 data ends inside a move";
            x += data[at];
            y += data[at + 1];
            at += 2;
            if (x > width || y > height) return "an RLE8 move leaves the picture";
        } else {
            if (y >= height) return "the RLE8 data runs past the last row";
            if (value > width - x) return "RLE8 literal pixels run past the end of their row";
            if (at + static_cast<size_t>(value) > size) return "the RLE8 data ends inside literal pixels";
            std::memcpy(out + static_cast<size_t>(y) * rowBytes + x, data + at, static_cast<size_t>(value));
            x += value;
            at += static_cast<size_t>(value + (value & 1));
        }
    }
    // Some writers stop without the end-of-picture code: what was drawn stands.
    return nullptr;
}
