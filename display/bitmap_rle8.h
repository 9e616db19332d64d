#pragma once
// Run-length encoded 8-bit pixels (BI_RLE8) as Windows bitmap files store them.
#include <cstddef>
#include <cstdint>

// Decodes `size` bytes of RLE8 data into width x height pixels, rows in the file's order (bottom
// row first). Pixels the data skips (deltas, early row or picture ends) stay as `out` held them.
// nullptr on success, otherwise why the data cannot be a picture of that size.
const char* DecodeRle8(const uint8_t* data, size_t size, int width, int height, uint8_t* out);
