// The one palette design: black at 0, a shared range identical everywhere, and a tile
// range that only the tile sheets of segments 2 to 5 change.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "asset_files.h"

namespace {

std::array<RgbEntry, 256> PaletteFileEntries()
{
    std::array<RgbEntry, 256> entries{};
    std::ifstream in("PALDATA2.PAL");
    std::string line;
    for (auto& e : entries) {
        std::getline(in, line);
        std::istringstream fields(line);
        int flags = -1;
        fields >> e.r >> e.g >> e.b >> flags;
        EXPECT_FALSE(fields.fail()) << "line: " << line;
        EXPECT_TRUE(e.r >= 0 && e.r <= 255 && e.g >= 0 && e.g <= 255 && e.b >= 0 && e.b <= 255 && flags >= 0 &&
                    flags <= 255);
    }
    EXPECT_FALSE(std::getline(in, line) && !line.empty()) << "more than 256 entries";
    return entries;
}

bool SameRange(const std::array<RgbEntry, 256>& a, const std::array<RgbEntry, 256>& b, int first, int last)
{
    for (int i = first; i <= last; ++i)
        if (!(a[i] == b[i])) return false;
    return true;
}

}  // namespace

TEST(PaletteRules, IndexZeroIsBlackAndTheSharedRangeIsTheSameInEveryFile)
{
    const auto reference = PaletteFileEntries();
    EXPECT_EQ(reference[0], (RgbEntry{0, 0, 0}));
    for (const std::string& file : AllBitmapFiles()) {
        const BmpFile bmp = ReadBmp(file);
        ASSERT_EQ(bmp.bitCount, 8) << file;
        EXPECT_EQ(bmp.table[0], (RgbEntry{0, 0, 0})) << file;
        for (int i = 1; i <= 191; ++i) ASSERT_EQ(bmp.table[i], reference[i]) << file << " index " << i;
    }
}

TEST(PaletteRules, OnlyTheLaterTileSheetsCarryOtherTileColours)
{
    const auto reference = PaletteFileEntries();
    for (const std::string& file : AllBitmapFiles()) {
        if (file.rfind("SCROLLTEXTURES", 0) == 0 && file != "SCROLLTEXTURES1.BMP") continue;
        if (file.rfind("Backdrop", 0) == 0 && file != "Backdrop1.BMP") continue;
        EXPECT_TRUE(SameRange(ReadBmp(file).table, reference, 192, 255)) << file;
    }
    // Every segment has tile colours of its own.
    std::vector<std::array<RgbEntry, 256>> segments;
    for (int n = 1; n <= 5; ++n) segments.push_back(ReadBmp("SCROLLTEXTURES" + std::to_string(n) + ".BMP").table);
    for (size_t a = 0; a < segments.size(); ++a)
        for (size_t b = a + 1; b < segments.size(); ++b)
            EXPECT_FALSE(SameRange(segments[a], segments[b], 192, 255)) << "segments " << a + 1 << " and " << b + 1;
}

TEST(PaletteRules, EachBackdropCarriesItsLandsWholePalette)
{
    // A backdrop is on screen under the palette its land's tile sheet installed: any other
    // colour table would show it in wrong colours.
    for (int n = 1; n <= 5; ++n) {
        const std::string sheet = "SCROLLTEXTURES" + std::to_string(n) + ".BMP";
        EXPECT_TRUE(SameRange(ReadBmp(BackdropFiles[n - 1]).table, ReadBmp(sheet).table, 0, 255))
            << BackdropFiles[n - 1] << " against " << sheet;
    }
}

TEST(PaletteRules, TheStatusTextRedFindsARedEntryInEveryFile)
{
    // The status line asks for red 255, green 50, blue 50 and gets the nearest non-zero entry.
    std::vector<std::array<RgbEntry, 256>> tables = {PaletteFileEntries()};
    for (const std::string& file : AllBitmapFiles()) tables.push_back(ReadBmp(file).table);
    for (const auto& table : tables) {
        int best = 1;
        long bestDist = -1;
        for (int i = 1; i < 256; ++i) {
            const long dr = table[i].r - 255, dg = table[i].g - 50, db = table[i].b - 50;
            const long d = dr * dr + dg * dg + db * db;
            if (bestDist < 0 || d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        EXPECT_GE(table[best].r, 220);
        EXPECT_LE(table[best].g, 80);
        EXPECT_LE(table[best].b, 80);
    }
}

TEST(PaletteRules, SharedRampsRunFromDarkToLight)
{
    // Sprites name colours by ramp and shade, darkest first: every ramp of eight must brighten.
    const auto p = PaletteFileEntries();
    for (int ramp = 0; ramp < 23; ++ramp)
        for (int shade = 1; shade < 8; ++shade) {
            const RgbEntry& a = p[1 + ramp * 8 + shade - 1];
            const RgbEntry& b = p[1 + ramp * 8 + shade];
            EXPECT_LT(a.r * 30 + a.g * 59 + a.b * 11, b.r * 30 + b.g * 59 + b.b * 11)
                << "ramp " << ramp << " shade " << shade;
        }
}
