// Windows bitmap files. Every size and offset the file states is checked against the bytes that
// are really there before anything is allocated or copied, every refusal says why, and the record
// is only changed by a load that succeeds.
#include "display/bitmap_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "display/bitmap_rle8.h"

namespace {

constexpr int32_t MaxSide = 16384;            // far beyond any picture of the game; keeps every product small
constexpr int64_t MaxFileSize = int64_t{1} << 28;
constexpr int64_t MaxPixelBytes = int64_t{1} << 24;  // 4096 x 4096 8-bit pixels
constexpr size_t FileHeaderSize = sizeof(BITMAPFILEHEADER);
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint8_t PC_NOCOLLAPSE = 4;

char ErrorText[160] = "";

int Refuse(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(ErrorText, sizeof ErrorText, format, args);
    va_end(args);
    return 0;
}

const char* CompressionName(uint32_t compression)
{
    switch (compression) {
    case 2: return "RLE4";
    case 3: return "BITFIELDS";
    case 4: return "JPEG";
    case 5: return "PNG";
    case 6: return "ALPHABITFIELDS";
    default: return nullptr;
    }
}

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// The 24-bit pixels become 16-bit values packed for the display's pixel format.
void PackRow(const uint8_t* bgr, int64_t width, uint8_t* out)
{
    for (int64_t x = 0; x < width; ++x) {
        const int blue = bgr[3 * x], green = bgr[3 * x + 1], red = bgr[3 * x + 2];
        const uint16_t value = static_cast<uint16_t>(TheDisplay.pixelFormatBits == 15 ? PackRgb555(red, green, blue)
                                                                                      : PackRgb565(red, green, blue));
        std::memcpy(out + 2 * x, &value, 2);
    }
}

// An info header this reader knows: Windows' 40-byte one and its 108- and 124-byte successors,
// whose first 40 bytes are the same fields.
int CheckInfoHeader(uint32_t size)
{
    if (size == 12) return Refuse("OS/2 bitmap headers (12 bytes) are not supported");
    if (size != 40 && size != 108 && size != 124) return Refuse("a %u-byte info header is not supported", size);
    return 1;
}

int CheckPixelFormat(const BITMAPINFOHEADER& info)
{
    const int bits = info.biBitCount;
    if (bits != 8 && bits != 16 && bits != 24) return Refuse("%d-bit pixels are not supported", bits);
    if (info.biCompression == BI_RLE8 && bits != 8)
        return Refuse("RLE8 compression needs 8-bit pixels, not %d-bit ones", bits);
    if (info.biCompression != BI_RGB && info.biCompression != BI_RLE8) {
        const char* name = CompressionName(info.biCompression);
        return name ? Refuse("%s compression is not supported", name)
                    : Refuse("compression type %u is not supported", info.biCompression);
    }
    if (info.biWidth <= 0 || info.biWidth > MaxSide) return Refuse("a width of %d pixels is not supported", info.biWidth);
    const int64_t height = info.biHeight < 0 ? -int64_t{info.biHeight} : int64_t{info.biHeight};
    if (height == 0 || height > MaxSide) return Refuse("a height of %d pixels is not supported", info.biHeight);
    if (info.biHeight < 0 && info.biCompression == BI_RLE8)
        return Refuse("an RLE8 picture cannot be stored top-down");
    return 1;
}

int64_t StoredRowBytes(const BITMAPINFOHEADER& info)
{
    return (int64_t{info.biWidth} * info.biBitCount + 31) / 32 * 4;  // rows are padded to 4 bytes in the file
}

// Uncompressed rows must all lie in the file; checked before anything is allocated for them.
int CheckStoredRows(const BITMAPINFOHEADER& info, int64_t available, int64_t height)
{
    if (info.biCompression != BI_RGB) return 1;
    const int64_t rowsSize = StoredRowBytes(info) * height;
    if (info.biSizeImage != 0 && info.biSizeImage < rowsSize)
        return Refuse("the header's image size of %u bytes is less than its %lld bytes of rows", info.biSizeImage,
                      static_cast<long long>(rowsSize));
    if (available < rowsSize)
        return Refuse("the file ends after %lld of %lld pixel bytes", static_cast<long long>(available),
                      static_cast<long long>(rowsSize));
    return 1;
}

// The rows as stored, unpadded, into `pixels` (outRow bytes each, in the file's row order).
int ReadRows(const BITMAPINFOHEADER& info, const uint8_t* from, int64_t available, int64_t height, int64_t outRow,
             uint8_t* pixels)
{
    const int bits = info.biBitCount;
    const int64_t width = info.biWidth;
    if (info.biCompression == BI_RLE8) {
        const int64_t size = info.biSizeImage ? int64_t{info.biSizeImage} : available;
        if (size > available) return Refuse("the file ends after %lld of %lld compressed pixel bytes",
                                            static_cast<long long>(available), static_cast<long long>(size));
        const char* fault = DecodeRle8(from, static_cast<size_t>(size), static_cast<int>(width),
                                       static_cast<int>(height), pixels);
        return fault ? Refuse("%s", fault) : 1;
    }
    const int64_t fileRow = StoredRowBytes(info);
    for (int64_t y = 0; y < height; ++y) {
        if (bits == 24)
            PackRow(from + y * fileRow, width, pixels + y * outRow);
        else
            std::memcpy(pixels + y * outRow, from + y * fileRow, static_cast<size_t>(outRow));
    }
    return 1;
}

}  // namespace

int ReadBitmapBytes(BitmapFile* bitmap, const uint8_t* bytes, size_t length)
{
    if (!bitmap || !bytes) return Refuse("there is no file");
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER info;
    if (length < FileHeaderSize + 4) return Refuse("the file ends inside its headers");
    std::memcpy(&fileHeader, bytes, sizeof fileHeader);
    if (fileHeader.bfType != 0x4D42) return Refuse("it is not a BMP file (it does not start with \"BM\")");
    const uint32_t infoSize = Le32(bytes + FileHeaderSize);
    if (!CheckInfoHeader(infoSize)) return 0;
    if (length < FileHeaderSize + infoSize) return Refuse("the file ends inside its headers");
    std::memcpy(&info, bytes + FileHeaderSize, sizeof info);
    if (!CheckPixelFormat(info)) return 0;

    const int bits = info.biBitCount;
    if (bits == 8 && info.biClrUsed > 256)
        return Refuse("a colour table of %u entries is more than 8-bit pixels can use", info.biClrUsed);
    // The colour table follows the info header, whatever its size; 0 entries used means all 256.
    const int64_t tableStart = static_cast<int64_t>(FileHeaderSize + infoSize);
    const int64_t entries = bits == 8 ? (info.biClrUsed ? info.biClrUsed : 256) : 0;
    const int64_t tableEnd = tableStart + 4 * entries;
    if (tableEnd > static_cast<int64_t>(length)) return Refuse("the file ends inside its colour table");
    const int64_t offBits = fileHeader.bfOffBits;
    if (offBits < tableEnd)
        return Refuse("its pixels (at byte %lld) would overlap its headers or colour table",
                      static_cast<long long>(offBits));

    const int64_t height = info.biHeight < 0 ? -int64_t{info.biHeight} : int64_t{info.biHeight};
    const int64_t available = std::max<int64_t>(0, static_cast<int64_t>(length) - offBits);
    if (!CheckStoredRows(info, available, height)) return 0;
    const int64_t outRow = int64_t{info.biWidth} * (bits == 8 ? 1 : 2);
    // A few bytes of RLE8 can claim a picture of any size: the size is bounded on its own.
    if (outRow * height > MaxPixelBytes)
        return Refuse("a picture of %d x %lld pixels is too large", info.biWidth, static_cast<long long>(height));
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[static_cast<size_t>(outRow * height)]());
    if (!pixels) return Refuse("there is not enough memory for its pixels");
    const uint8_t* from = bytes + std::min<int64_t>(offBits, static_cast<int64_t>(length));
    if (!ReadRows(info, from, available, height, outRow, pixels.get())) return 0;
    // Rows are stored bottom-up unless the height is negative.
    if (info.biHeight > 0) FlipBitmapRows(pixels.get(), static_cast<int>(outRow), static_cast<int>(height));

    UnloadBitmapFile(bitmap);
    bitmap->fileHeader = fileHeader;
    bitmap->infoHeader = info;
    bitmap->infoHeader.biHeight = static_cast<int32_t>(height);
    if (bits == 24) bitmap->infoHeader.biBitCount = 16;
    if (bits == 8) {
        const uint8_t* table = bytes + tableStart;
        for (int i = 0; i < 256; ++i) {
            bitmap->palette[i] = i < entries ? PALETTEENTRY{table[4 * i + 2], table[4 * i + 1], table[4 * i], PC_NOCOLLAPSE}
                                             : PALETTEENTRY{0, 0, 0, PC_NOCOLLAPSE};
        }
    }
    bitmap->pixels = pixels.release();
    ErrorText[0] = '\0';
    return 1;
}

int LoadBitmapFile(BitmapFile* bitmap, const char* fileName)
{
    if (!bitmap || !fileName) return Refuse("there is no file");
    File file(std::fopen(fileName, "rb"));
    if (!file) return Refuse("cannot open the file (%s)", std::strerror(errno));
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return Refuse("cannot read the file (%s)", std::strerror(errno));
    const int64_t length = std::ftell(file.get());
    if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return Refuse("cannot read the file (%s)", std::strerror(errno));
    if (length > MaxFileSize) return Refuse("the file is larger than %lld MB", static_cast<long long>(MaxFileSize >> 20));
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return Refuse("cannot read the file (%s)", std::strerror(errno));
    return ReadBitmapBytes(bitmap, bytes.data(), bytes.size());
}

const char* BitmapFileError() { return ErrorText; }

int UnloadBitmapFile(BitmapFile* bitmap)
{
    if (!bitmap) return 0;
    delete[] bitmap->pixels;
    bitmap->pixels = nullptr;
    return 1;
}

int FlipBitmapRows(uint8_t* buffer, int bytesPerRow, int rows)
{
    if (!buffer || bytesPerRow < 0 || rows < 0) return 0;
    // Swapping rows pairwise needs no work buffer.
    for (int top = 0, bottom = rows - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(buffer + static_cast<size_t>(top) * bytesPerRow,
                         buffer + static_cast<size_t>(top + 1) * bytesPerRow,
                         buffer + static_cast<size_t>(bottom) * bytesPerRow);
    return 1;
}
