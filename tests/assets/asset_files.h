#pragma once
// Small readers for the generated files, independent of the game's own loaders, and the
// list of files the generator must write.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

Bytes ReadWholeFile(const std::string& path);

struct RgbEntry {
    int r, g, b;
    bool operator==(const RgbEntry&) const = default;
};

struct BmpFile {
    Bytes raw;
    uint32_t fileSize = 0, offBits = 0, infoSize = 0, compression = 0, sizeImage = 0, clrUsed = 0;
    int width = 0, height = 0, planes = 0, bitCount = 0;
    std::array<RgbEntry, 256> table{};
    bool tableReservedZero = true;
    std::vector<uint8_t> pixels;  // top row first, unpadded; empty if the file is too short

    int at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
BmpFile ReadBmp(const std::string& path);

struct WavFile {
    Bytes raw;
    bool riff = false;
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    Bytes data;
};
WavFile ReadWav(const std::string& path);

// A sheet the game cuts: its cell size and the cells it takes frames from.
struct CutSheet {
    std::string file;
    int cellW, cellH;
    std::vector<std::array<int, 2>> cells;  // (column, row)
};
std::vector<CutSheet> CutSheets();  // hero, projectiles, enemies and tile sheets

extern const std::vector<std::string> PictureFiles;
extern const std::vector<std::string> BackdropFiles;  // "Backdrop1.BMP" .. "Backdrop5.BMP", land by land
extern const std::vector<std::string> SoundFiles;
extern const std::string WindowIconFile;
// The full-screen pictures, the sheets and the window's icon.
std::vector<std::string> AllBitmapFiles();
