// Windows bitmap files. Every size the file states is checked against the file's real length
// before anything is allocated or read, and the record is only changed by a load that succeeds.
#include "display/bitmap_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr int32_t MaxSide = 16384;  // far beyond any picture of the game; keeps every product small
constexpr int64_t HeadersSize = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
constexpr int64_t ColourTableSize = 1024;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool ReadAt(FILE* file, int64_t offset, void* buffer, size_t size) {
    return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 && std::fread(buffer, 1, size, file) == size;
}

int64_t FileLength(FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    return std::ftell(file);
}

// The 24-bit pixels become 16-bit values packed for the display's pixel format.
void PackRow(const uint8_t* bgr, int width, uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        const int blue = bgr[3 * x], green = bgr[3 * x + 1], red = bgr[3 * x + 2];
        const uint16_t value = static_cast<uint16_t>(TheDisplay.pixelFormatBits == 15 ? PackRgb555(red, green, blue)
                                                                                      : PackRgb565(red, green, blue));
        std::memcpy(out + 2 * x, &value, 2);
    }
}

}  // namespace

int LoadBitmapFile(BitmapFile* bitmap, const char* fileName) {
    if (!bitmap || !fileName) return 0;
    File file(std::fopen(fileName, "rb"));
    if (!file) return 0;
    const int64_t length = FileLength(file.get());
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER info;
    if (length < HeadersSize || !ReadAt(file.get(), 0, &fileHeader, sizeof fileHeader)) return 0;
    if (fileHeader.bfType != 0x4D42) return 0;
    if (!ReadAt(file.get(), sizeof fileHeader, &info, sizeof info)) return 0;

    const int bits = info.biBitCount;
    if (bits != 8 && bits != 16 && bits != 24) return 0;
    // Bottom-up pictures only: zero, negative (top-down) and oversized sides are refused.
    if (info.biWidth <= 0 || info.biHeight <= 0 || info.biWidth > MaxSide || info.biHeight > MaxSide) return 0;
    const int64_t width = info.biWidth, height = info.biHeight;
    const int64_t fileRow = (width * bits + 31) / 32 * 4;  // rows are padded to 4 bytes in the file
    const int64_t rowsSize = fileRow * height;
    // The pixel array is the last biSizeImage bytes (0 means exactly the rows); it must hold
    // every row and must not reach back into the headers or the colour table.
    const int64_t imageSize = info.biSizeImage ? int64_t{info.biSizeImage} : rowsSize;
    const int64_t tableSize = bits == 8 ? ColourTableSize : 0;
    if (imageSize < rowsSize || imageSize > length - HeadersSize - tableSize) return 0;

    PALETTEENTRY palette[256];
    std::copy(std::begin(bitmap->palette), std::end(bitmap->palette), palette);
    if (bits == 8) {
        uint8_t table[ColourTableSize];
        if (!ReadAt(file.get(), HeadersSize, table, sizeof table)) return 0;
        for (int i = 0; i < 256; ++i)
            palette[i] = PALETTEENTRY{table[4 * i + 2], table[4 * i + 1], table[4 * i], 4};  // PC_NOCOLLAPSE
    }

    std::vector<uint8_t> rows(static_cast<size_t>(rowsSize));
    if (!ReadAt(file.get(), length - imageSize, rows.data(), rows.size())) return 0;

    const int64_t outRow = width * (bits == 8 ? 1 : 2);
    auto* pixels = new (std::nothrow) uint8_t[static_cast<size_t>(outRow * height)];
    if (!pixels) return 0;
    for (int64_t y = 0; y < height; ++y) {
        const uint8_t* from = rows.data() + y * fileRow;
        uint8_t* to = pixels + y * outRow;
        if (bits == 24)
            PackRow(from, static_cast<int>(width), to);
        else
            std::memcpy(to, from, static_cast<size_t>(outRow));
    }
    FlipBitmapRows(pixels, static_cast<int>(outRow), static_cast<int>(height));

    UnloadBitmapFile(bitmap);
    bitmap->fileHeader = fileHeader;
    bitmap->infoHeader = info;
    if (bits == 24) bitmap->infoHeader.biBitCount = 16;
    std::copy(std::begin(palette), std::end(palette), bitmap->palette);
    bitmap->pixels = pixels;
    return 1;
}

int UnloadBitmapFile(BitmapFile* bitmap) {
    if (!bitmap) return 0;
    delete[] bitmap->pixels;
    bitmap->pixels = nullptr;
    return 1;
}

int FlipBitmapRows(uint8_t* buffer, int bytesPerRow, int rows) {
    if (!buffer || bytesPerRow < 0 || rows < 0) return 0;
    // Swapping rows pairwise needs no work buffer.
    for (int top = 0, bottom = rows - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(buffer + static_cast<size_t>(top) * bytesPerRow,
                         buffer + static_cast<size_t>(top + 1) * bytesPerRow,
                         buffer + static_cast<size_t>(bottom) * bytesPerRow);
    return 1;
}
