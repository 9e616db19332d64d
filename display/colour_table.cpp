#include "display/colour_table.h"

#include "display/display.h"

void MakeColourTable(const PALETTEENTRY entries[256], uint32_t table[256]) {
    for (int i = 0; i < 256; ++i) {
        table[i] = 0xFF000000u | uint32_t{entries[i].peRed} << 16 | uint32_t{entries[i].peGreen} << 8 |
                   entries[i].peBlue;
    }
}

void ConvertToArgb(const uint8_t* source, int sourcePitch, void* target, int targetPitch, int width, int height,
                   const uint32_t table[256]) {
    auto* targetRow = static_cast<uint8_t*>(target);
    for (int y = 0; y < height; ++y, source += sourcePitch, targetRow += targetPitch) {
        auto* pixel = reinterpret_cast<uint32_t*>(targetRow);
        int x = 0;
        // Four lookups before their stores: the loads overlap instead of waiting on each store.
        for (; x + 4 <= width; x += 4) {
            const uint32_t a = table[source[x]], b = table[source[x + 1]];
            const uint32_t c = table[source[x + 2]], d = table[source[x + 3]];
            pixel[x] = a;
            pixel[x + 1] = b;
            pixel[x + 2] = c;
            pixel[x + 3] = d;
        }
        for (; x < width; ++x) pixel[x] = table[source[x]];
    }
}
