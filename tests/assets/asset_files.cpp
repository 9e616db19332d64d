#include "asset_files.h"

#include <fstream>
#include <iterator>

namespace {

uint32_t Le(const Bytes& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | (at + i < b.size() ? b[at + i] : 0);
    return v;
}

using Cells = std::vector<std::array<int, 2>>;
const Cells EightFrame = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}};
const Cells HeroCells = {{0, 0}, {1, 0}, {2, 0}, {0, 1}};
const Cells ThreeInRow = {{0, 0}, {1, 0}, {2, 0}};
const Cells TwoInRow = {{0, 0}, {1, 0}};
const Cells TwoByTwo = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
const Cells TileCells = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}};

}  // namespace

const std::vector<std::string> PictureFiles = {"title.bmp", "story.bmp", "death.bmp", "win.bmp"};
const std::string WindowIconFile = "Icon.BMP";
const std::vector<std::string> BackdropFiles = {"Backdrop1.BMP", "Backdrop2.BMP", "Backdrop3.BMP", "Backdrop4.BMP",
                                                "Backdrop5.BMP"};
const std::vector<std::string> SoundFiles = {"Punch.wav", "Fire.wav", "Hit.wav", "QXVoice.wav"};

Bytes ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

BmpFile ReadBmp(const std::string& path)
{
    BmpFile f;
    f.raw = ReadWholeFile(path);
    const Bytes& b = f.raw;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return f;
    f.fileSize = Le(b, 2, 4);
    f.offBits = Le(b, 10, 4);
    f.infoSize = Le(b, 14, 4);
    f.width = static_cast<int32_t>(Le(b, 18, 4));
    f.height = static_cast<int32_t>(Le(b, 22, 4));
    f.planes = static_cast<int>(Le(b, 26, 2));
    f.bitCount = static_cast<int>(Le(b, 28, 2));
    f.compression = Le(b, 30, 4);
    f.sizeImage = Le(b, 34, 4);
    f.clrUsed = Le(b, 46, 4);
    for (int i = 0; i < 256; ++i) {
        const size_t at = 54 + 4 * static_cast<size_t>(i);
        f.table[i] = {static_cast<int>(Le(b, at + 2, 1)), static_cast<int>(Le(b, at + 1, 1)),
                      static_cast<int>(Le(b, at, 1))};
        if (Le(b, at + 3, 1) != 0) f.tableReservedZero = false;
    }
    const size_t stride = (static_cast<size_t>(f.width) + 3) & ~size_t{3};
    if (f.bitCount != 8 || f.width <= 0 || f.height <= 0 || f.offBits + stride * f.height > b.size()) return f;
    f.pixels.resize(static_cast<size_t>(f.width) * f.height);
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            f.pixels[static_cast<size_t>(y) * f.width + x] = b[f.offBits + (f.height - 1 - y) * stride + x];
    return f;
}

WavFile ReadWav(const std::string& path)
{
    WavFile w;
    w.raw = ReadWholeFile(path);
    const Bytes& b = w.raw;
    w.riff = b.size() >= 12 && Le(b, 0, 4) == 0x46464952u && Le(b, 8, 4) == 0x45564157u;
    for (size_t pos = 12; w.riff && pos + 8 <= b.size();) {
        const uint32_t id = Le(b, pos, 4), size = Le(b, pos + 4, 4);
        if (id == 0x20746D66u) {
            w.format = static_cast<int>(Le(b, pos + 8, 2));
            w.channels = static_cast<int>(Le(b, pos + 10, 2));
            w.rate = static_cast<int>(Le(b, pos + 12, 4));
            w.byteRate = static_cast<int>(Le(b, pos + 16, 4));
            w.blockAlign = static_cast<int>(Le(b, pos + 20, 2));
            w.bits = static_cast<int>(Le(b, pos + 22, 2));
        } else if (id == 0x61746164u && pos + 8 + size <= b.size()) {
            w.data.assign(b.begin() + static_cast<long>(pos + 8), b.begin() + static_cast<long>(pos + 8 + size));
        }
        pos += 8 + size + (size & 1);
    }
    return w;
}

std::vector<CutSheet> CutSheets()
{
    std::vector<CutSheet> s;
    for (int n = 0; n < 8; ++n) s.push_back({"Quorax" + std::to_string(n) + ".BMP", 94, 74, HeroCells});
    s.push_back({"Ammo.BMP", 10, 10, ThreeInRow});
    s.push_back({"Ammo2.BMP", 94, 74, ThreeInRow});
    for (const char* f : {"Barb.BMP", "Dino.BMP", "Pirate.BMP", "ArmyMan.BMP", "SkelGround.BMP", "GroundDroid.BMP",
                          "Devil.BMP"})
        s.push_back({f, 94, 74, EightFrame});
    s.push_back({"Archer.BMP", 94, 74, ThreeInRow});
    s.push_back({"SkelShoot.BMP", 94, 74, ThreeInRow});
    s.push_back({"FlyDroid.BMP", 94, 74, TwoInRow});
    s.push_back({"RDino.BMP", 94, 74, TwoInRow});
    s.push_back({"Ninja.BMP", 94, 74, TwoByTwo});
    for (int n = 1; n <= 5; ++n) s.push_back({"SCROLLTEXTURES" + std::to_string(n) + ".BMP", 64, 64, TileCells});
    return s;
}

std::vector<std::string> AllBitmapFiles()
{
    std::vector<std::string> all = PictureFiles;
    for (const CutSheet& s : CutSheets()) all.push_back(s.file);
    all.push_back(WindowIconFile);
    all.insert(all.end(), BackdropFiles.begin(), BackdropFiles.end());
    return all;
}
