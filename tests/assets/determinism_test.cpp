// The generator writes the same bytes on every run, so builds and reviews are repeatable.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "asset_files.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

TEST(Determinism, ASecondRunWritesTheSameFilesByteForByte)
{
    const ScratchFolder folder;
    const fs::path scratch = folder / "assets";
    const std::string command = std::string("\"") + QUORAX_ASSETGEN + "\" \"" + scratch.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(scratch)) written.insert(entry.path().filename().string());
    std::set<std::string> expected = {"PALDATA2.PAL", "contact-sheet.png"};
    for (const std::string& f : AllBitmapFiles()) expected.insert(f);
    for (const std::string& f : SoundFiles) expected.insert(f);
    EXPECT_EQ(written, expected) << "no file missing and no scratch file left behind";

    // The build's own run wrote the working directory's copies.
    for (const std::string& name : expected)
        EXPECT_TRUE(ReadWholeFile((scratch / name).string()) == ReadWholeFile(name)) << name;
}

TEST(Determinism, TheGeneratorRefusesAMissingOutputFolderArgument)
{
    const std::string command = std::string("\"") + QUORAX_ASSETGEN + "\" > /dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}
