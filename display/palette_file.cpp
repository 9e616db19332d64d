#include <cstdio>

#include "display/display.h"

namespace {

// Reads one decimal integer (white space, optional sign, digits) and keeps its low 8 bits, however
// long it is. false at the end of the file or at anything that is not a number.
bool ReadLowByte(FILE* file, uint8_t* value) {
    int c = std::fgetc(file);
    while (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') c = std::fgetc(file);
    const bool negative = c == '-';
    if (c == '-' || c == '+') c = std::fgetc(file);
    if (c < '0' || c > '9') return false;
    unsigned low = 0;
    for (; c >= '0' && c <= '9'; c = std::fgetc(file)) low = (low * 10 + static_cast<unsigned>(c - '0')) & 0xFF;
    if (c != EOF) std::ungetc(c, file);
    *value = static_cast<uint8_t>(negative ? (0x100 - low) & 0xFF : low);
    return true;
}

}  // namespace

int LoadPaletteFile(const char* name, PALETTEENTRY entries[256]) {
    if (!name || !entries) return 0;
    FILE* file = std::fopen(name, "r");
    if (!file) return 0;
    // Entries are filled in order; the first thing that is not a number ends the scan and
    // leaves the rest as they were.
    for (int i = 0; i < 256; ++i) {
        uint8_t* fields[4] = {&entries[i].peRed, &entries[i].peGreen, &entries[i].peBlue, &entries[i].peFlags};
        bool ok = true;
        for (uint8_t* field : fields) {
            if (!ReadLowByte(file, field)) {
                ok = false;
                break;
            }
        }
        if (!ok) break;
    }
    std::fclose(file);
    return 1;
}
