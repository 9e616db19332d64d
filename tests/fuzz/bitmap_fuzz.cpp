// libFuzzer: any bytes given to the bitmap reader as a whole file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "display/bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static BitmapFile bitmap;
    // Both 16-bit packings the reader knows for 24-bit pixels.
    TheDisplay.pixelFormatBits = size % 2 ? 15 : 16;
    if (ReadBitmapBytes(&bitmap, data, size)) {
        // Every pixel a loaded record promises must be there: the sanitizer sees the reads of the
        // first and the last byte of the one buffer.
        const BITMAPINFOHEADER& info = bitmap.infoHeader;
        const size_t bytes = static_cast<size_t>(info.biWidth) * static_cast<size_t>(info.biHeight) *
                             (info.biBitCount == 8 ? 1u : 2u);
        if (info.biWidth <= 0 || info.biHeight <= 0 || !bitmap.pixels) std::abort();
        volatile uint8_t ends = static_cast<uint8_t>(bitmap.pixels[0] + bitmap.pixels[bytes - 1]);
        (void)ends;
    } else if (BitmapFileError()[0] == '\0') {
        std::abort();  // a refusal always says why
    }
    UnloadBitmapFile(&bitmap);
    return 0;
}
