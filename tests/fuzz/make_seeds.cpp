// quorax-fuzz-seeds FOLDER: writes the hand-made edge files the fuzzers start from into
// FOLDER/bitmap, FOLDER/wave and FOLDER/palette (the generated game files are added beside them).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tests/display/bmp_bytes.h"
#include "tests/sound/wave_bytes.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::vector<uint8_t>& bytes)
{
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

void BitmapSeeds(const fs::path& folder)
{
    BmpLayout plain;
    plain.pixels = {1, 2, 3, 4, 5, 6, 7, 8};
    Write(folder / "plain.bmp", Bmp(plain));
    for (uint32_t size : {12u, 108u, 124u}) {
        BmpLayout s = plain;
        s.infoSize = size;
        Write(folder / ("header" + std::to_string(size) + ".bmp"), Bmp(s));
    }
    BmpLayout shortTable = plain;
    shortTable.clrUsed = 3;
    Write(folder / "short-table.bmp", Bmp(shortTable));
    BmpLayout topDown = plain;
    topDown.height = -2;
    Write(folder / "top-down.bmp", Bmp(topDown));
    BmpLayout gap = plain;
    gap.gap = {0, 0, 0, 0};
    Write(folder / "gap.bmp", Bmp(gap));
    BmpLayout rle;
    rle.width = 6;
    rle.height = 3;
    rle.compression = 1;
    rle.pixels = {3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 1, 2, 9, 0, 1};
    Write(folder / "rle8.bmp", Bmp(rle));
    BmpLayout deep = plain;
    deep.bits = 24;
    deep.width = 2;
    deep.pixels = std::vector<uint8_t>(16, 0x80);
    Write(folder / "24-bit.bmp", Bmp(deep));
    BmpLayout wide = plain;
    wide.bits = 16;
    wide.width = 2;
    Write(folder / "16-bit.bmp", Bmp(wide));
}

void WaveSeeds(const fs::path& folder)
{
    Write(folder / "mono8.wav", Wave());
    WaveSpec stereo;
    stereo.bits = 16;
    stereo.channels = 2;
    stereo.rate = 44100;
    Write(folder / "stereo16.wav", Wave(stereo));
    std::vector<uint8_t> list;
    AppendId(list, "LIST");
    Append32(list, 3);
    Append32(list, 0);
    WaveSpec longFormat;
    longFormat.fmtSize = 18;
    Write(folder / "chunks.wav", Riff({list, FmtChunk(longFormat), list, DataChunk(longFormat.data, 100)}));
}

void PaletteSeeds(const fs::path& folder)
{
    Write(folder / "short.pal", Text("0 0 0 0\n10 20 30 4\n"));
    Write(folder / "odd.pal", Text("-1 +300 99999999999999 4\r\n\t7 x 8\n"));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: quorax-fuzz-seeds FOLDER\n";
        return 2;
    }
    const fs::path root = argv[1];
    for (const char* kind : {"bitmap", "wave", "palette"}) fs::create_directories(root / kind);
    BitmapSeeds(root / "bitmap");
    WaveSeeds(root / "wave");
    PaletteSeeds(root / "palette");
    return 0;
}
