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
        for (int x = 0; x < width; ++x) pixel[x] = table[source[x]];
    }
}
