#pragma once
// PNG encoding of 24-bit RGB images and 8-bit palettised ones, compressed by zlib.
#include "byte_writer.h"
#include "canvas.h"
#include "palette_design.h"

struct RgbImage {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> rgb;  // w * h * 3 bytes, top row first
};

Bytes EncodePng(const RgbImage& image);

// An 8-bit palettised PNG of the canvas with index 0 fully transparent (for icons).
Bytes EncodePng8(const Canvas& image, const Palette& palette);
