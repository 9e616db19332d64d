// quorax-assetgen OUTPUT_DIR: writes every picture, palette and sound file of the game
// into OUTPUT_DIR, the same bytes on every run, plus a contact sheet for review.
// quorax-assetgen --icons ICON_DIR: writes the desktop icons "<size>.png" into ICON_DIR, all
// desktop sizes in one "quorax.ico" for the Windows program, and the web page's icons (192 and 512,
// "maskable-512.png", "apple-touch-180.png"); they are for installing only, so they stay out of
// the game's folder.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "backdrops.h"
#include "bmp_writer.h"
#include "contact_sheet.h"
#include "icon.h"
#include "palette_design.h"
#include "pictures.h"
#include "png_writer.h"
#include "sheets.h"
#include "sound_synthesis.h"
#include "voice.h"
#include "wav_writer.h"

namespace {

void Generate(const std::filesystem::path& out)
{
    std::filesystem::create_directories(out);
    const auto at = [&](const char* name) { return (out / name).string(); };
    const Palette segment1 = FilePalette(1);

    const std::string paletteText = EncodePaletteText(segment1);
    WriteFileBytes(at("PALDATA2.PAL"), Bytes(paletteText.begin(), paletteText.end()));

    WriteFileBytes(at("title.bmp"), EncodeBmp8(DrawTitlePicture(), segment1));
    WriteFileBytes(at("story.bmp"), EncodeBmp8(DrawStoryPicture(), segment1));
    WriteFileBytes(at("death.bmp"), EncodeBmp8(DrawDeathPicture(), segment1));
    WriteFileBytes(at("win.bmp"), EncodeBmp8(DrawWinPicture(), segment1));

    std::vector<Sheet> sheets = TileSheets();
    for (Sheet& s : CastSheets()) sheets.push_back(std::move(s));
    for (const Sheet& s : sheets)
        WriteFileBytes(at(s.file.c_str()), EncodeBmp8(RenderSheet(s), FilePalette(s.segment)));
    // A backdrop is one whole picture, written as painted (no cell grid), through its land's palette.
    const std::vector<Sheet> backdrops = BackdropSheets();
    for (const Sheet& b : backdrops)
        WriteFileBytes(at(b.file.c_str()), EncodeBmp8(b.frames[0].pixels, FilePalette(b.segment)));
    sheets.insert(sheets.end(), backdrops.begin(), backdrops.end());

    WriteFileBytes(at("Punch.wav"), EncodeWav8(SynthPunch()));
    WriteFileBytes(at("Fire.wav"), EncodeWav8(SynthFire()));
    WriteFileBytes(at("Hit.wav"), EncodeWav8(SynthHit()));
    WriteFileBytes(at("QXVoice.wav"), EncodeWav8(SpeakHeroName(QUORAX_ESPEAK, out.string())));

    WriteFileBytes(at("Icon.BMP"), EncodeBmp8(DrawIcon(WindowIconSize), segment1));

    WriteFileBytes(at("contact-sheet.png"), EncodePng(RenderContactSheet(sheets)));
}

void GenerateIcons(const std::filesystem::path& out)
{
    std::filesystem::create_directories(out);
    std::vector<Canvas> sizes;
    const auto png = [&](const std::string& name, const Canvas& icon) {
        WriteFileBytes((out / name).string(), EncodePng8(icon, FilePalette(1)));
    };
    for (int size : IconSizes) {
        sizes.push_back(DrawIcon(size));
        png(std::to_string(size) + ".png", sizes.back());
    }
    WriteFileBytes((out / "quorax.ico").string(), EncodeIco(sizes, FilePalette(1)));
    for (int size : WebIconSizes) png(std::to_string(size) + ".png", DrawIcon(size));
    png("maskable-" + std::to_string(MaskableIconSize) + ".png", DrawFullBleedIcon(MaskableIconSize));
    png("apple-touch-" + std::to_string(HomeScreenIconSize) + ".png", DrawFullBleedIcon(HomeScreenIconSize));
}

}  // namespace

int main(int argc, char** argv)
{
    const bool icons = argc == 3 && std::string(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR | --icons ICON_DIR\n", argv[0]);
        return 2;
    }
    try {
        if (icons)
            GenerateIcons(argv[2]);
        else
            Generate(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorax-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
