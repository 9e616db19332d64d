#pragma once
// Windows bitmap files: headers, colour table and pixels, rows top first.
#include <cstddef>
#include <cstdint>

#include "display/display.h"

#pragma pack(push, 1)
struct BITMAPFILEHEADER {
    uint16_t bfType;
    uint32_t bfSize;
    uint16_t bfReserved1;
    uint16_t bfReserved2;
    uint32_t bfOffBits;
};

struct BITMAPINFOHEADER {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
#pragma pack(pop)

static_assert(sizeof(BITMAPFILEHEADER) == 14);
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct BitmapFile {
    BITMAPFILEHEADER fileHeader = {};
    BITMAPINFOHEADER infoHeader = {};
    PALETTEENTRY palette[256] = {};
    uint8_t* pixels = nullptr;  // owned (new[]); rows top to bottom, biWidth * bytes-per-pixel bytes each, no padding
};

// Reads 8-, 16- and 24-bit files with a 40-, 108- or 124-byte info header, uncompressed or (8-bit)
// RLE8, stored bottom-up or top-down. After a load `infoHeader.biHeight` is the positive row count.
int LoadBitmapFile(BitmapFile* bitmap, const char* fileName);
// The same for a whole file already in memory.
int ReadBitmapBytes(BitmapFile* bitmap, const uint8_t* bytes, size_t length);
// Why the last load that returned 0 refused its file, e.g. "RLE4 compression is not supported".
const char* BitmapFileError();
int UnloadBitmapFile(BitmapFile* bitmap);
int FlipBitmapRows(uint8_t* buffer, int bytesPerRow, int rows);
