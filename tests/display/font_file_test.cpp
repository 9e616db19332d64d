// The status line's font is looked up when the game starts: the working directory first, then
// the system's font folders; a missing or unreadable font is named before anything is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "display/font_file.h"
#include "display/text.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

TEST(FontFile, TheFirstFolderHoldingTheFontIsTakenAndADirectoryOfThatNameIsNot) {
    ScratchFolder folder;
    folder.Enter();
    const fs::path& root = folder.Path();
    for (const char* f : {"a", "b", "c"}) fs::create_directories(root / f);
    fs::create_directories(root / "a" / FontFileName);
    WriteText((root / "b" / FontFileName).string(), "b");
    WriteText((root / "c" / FontFileName).string(), "c");
    EXPECT_EQ(FindFontFile({root / "missing", root / "a", root / "b", root / "c"}), root / "b" / FontFileName);
    EXPECT_TRUE(FindFontFile({root / "a", root / "missing", ""}).empty());
}

TEST(FontFile, TheWorkingDirectoryComesBeforeTheSystemFolders) {
    ScratchFolder folder;
    folder.Enter();
    const auto folders = FontFolders();
    ASSERT_GE(folders.size(), 2u);
    EXPECT_EQ(folders.front(), fs::current_path());
    EXPECT_NE(std::find(folders.begin(), folders.end(), fs::path("/usr/share/fonts/truetype/dejavu")), folders.end());
}

TEST(FontFile, TheGameFindsTheSystemFontFromAFolderWithoutOne) {
    ScratchFolder folder;
    folder.Enter();
    ShutdownText();
    ASSERT_EQ(OpenTextFont(), 1) << TextFontError();
    ShutdownText();
}

TEST(FontFile, AnUnreadableFontIsNamedWithWhereItWasFound) {
    ScratchFolder folder;
    folder.Enter();
    const fs::path& root = folder.Path();
    WriteText(FontFileName, "not a font");
    ShutdownText();
    EXPECT_EQ(OpenTextFont(), 0);
    const std::string error = TextFontError();
    EXPECT_NE(error.find((root / FontFileName).string()), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    ShutdownText();
}
