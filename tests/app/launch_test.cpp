// Before the window opens: which folder the game reads from, and the two questions an installed
// program answers. The program's folder is handed in, so nothing depends on where the test runs.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/library_report.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// A prefix with the installed layout (the Debian games layout, <root>/games holding the program and
// <root>/share/games/quorax the data; on Windows one folder for both), and <root>/elsewhere, a
// working directory without the game's files.
struct DataFolder : ::testing::Test {
    ScratchFolder root;
    const fs::path program = root / QUORAX_PROGRAM_DIR;
    const fs::path installed = root / QUORAX_DATA_DIR;
    const fs::path elsewhere = root / "elsewhere";
    void SetUp() override {
        // Entered so that the working directory the tests move to is given back at their end.
        root.Enter();
        for (const fs::path& p : {program, installed, elsewhere}) fs::create_directories(p);
    }
    static void Mark(const fs::path& folder) { std::ofstream(folder / "title.bmp") << "BM"; }
};

std::string Answer(std::initializer_list<const char*> args, int* code) {
    std::FILE* out = std::tmpfile();
    std::vector<const char*> argv{"quorax"};
    argv.insert(argv.end(), args);
    *code = AnswerCommandLine(static_cast<int>(argv.size()), argv.data(), out, [] { return std::string("SDL 9.8.7"); });
    std::string text;
    std::rewind(out);
    for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    std::fclose(out);
    return text;
}

}  // namespace

TEST_F(DataFolder, TheInstalledFolderFollowsTheProgramUnderAnyPrefix) {
    for (const fs::path prefix : {"/usr", "/opt/q"}) {
        const fs::path expected = (prefix / QUORAX_DATA_DIR).lexically_normal();
        EXPECT_EQ(InstalledDataFolder(prefix / QUORAX_PROGRAM_DIR), expected);
        // SDL gives the folder with a trailing separator.
        EXPECT_EQ(InstalledDataFolder(prefix / QUORAX_PROGRAM_DIR / ""), expected);
    }
    EXPECT_EQ(InstalledDataFolder(program), installed.lexically_normal());
    EXPECT_TRUE(InstalledDataFolder("").empty());
}

TEST_F(DataFolder, AWorkingDirectoryWithTheFilesWinsOverTheInstalledOne) {
    Mark(elsewhere);
    Mark(installed);
    EXPECT_EQ(ChooseDataFolder(elsewhere, program), elsewhere);
    fs::current_path(elsewhere);
    std::string error;
    ASSERT_EQ(EnterDataFolder(program, error), 1);
    EXPECT_EQ(fs::current_path(), elsewhere);
    EXPECT_TRUE(error.empty());
}

TEST_F(DataFolder, WithoutFilesInTheWorkingDirectoryTheGameMovesIntoTheInstalledFolder) {
    Mark(installed);
    EXPECT_EQ(ChooseDataFolder(elsewhere, program), installed.lexically_normal());
    fs::current_path(elsewhere);
    std::string error;
    ASSERT_EQ(EnterDataFolder(program, error), 1);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), installed));
}

TEST_F(DataFolder, NeitherPlaceGivesOneLineNamingTheMarkerAndBothFolders) {
    // Other files do not count, and neither does a folder that bears the marker's name.
    std::ofstream(elsewhere / "story.bmp") << "BM";
    fs::create_directories(installed / "title.bmp");
    EXPECT_TRUE(ChooseDataFolder(elsewhere, program).empty());
    fs::current_path(elsewhere);
    std::string error;
    EXPECT_EQ(EnterDataFolder(program, error), 0);
    EXPECT_EQ(fs::current_path(), elsewhere);
    EXPECT_NE(error.find("\"title.bmp\""), std::string::npos) << error;
    EXPECT_NE(error.find(elsewhere.string()), std::string::npos) << error;
    EXPECT_NE(error.find(installed.lexically_normal().string()), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

TEST_F(DataFolder, AnUnknownProgramFolderStillAllowsTheWorkingDirectory) {
    EXPECT_TRUE(ChooseDataFolder(elsewhere, "").empty());
    Mark(elsewhere);
    EXPECT_EQ(ChooseDataFolder(elsewhere, ""), elsewhere);
}

TEST(CommandLine, VersionAndHelpPrintAndEndTheProgramWithSuccess) {
    int code = -1;
    EXPECT_EQ(Answer({"--version"}, &code), std::string("quorax ") + QUORAX_EXPECTED_VERSION + "\nSDL 9.8.7\n");
    EXPECT_EQ(code, 0);
    for (const char* ask : {"--help", "-h"}) {
        const std::string help = Answer({ask}, &code);
        EXPECT_EQ(code, 0) << ask;
        EXPECT_EQ(help.rfind("Usage: quorax", 0), 0u) << help;
        for (const char* key : {"F1", "Space", "Right Alt", "Escape"}) EXPECT_NE(help.find(key), std::string::npos) << key;
    }
    // Found after arguments the game ignores.
    EXPECT_EQ(Answer({"-psn_0_1", "--version"}, &code).rfind("quorax ", 0), 0u);
    EXPECT_EQ(code, 0);
}

TEST(CommandLine, NoArgumentOrAnyOtherStartsTheGameAndPrintsNothing) {
    int code = 0;
    EXPECT_EQ(Answer({}, &code), "");
    EXPECT_EQ(code, -1);
    EXPECT_EQ(Answer({"--versions", "help", "-v"}, &code), "");
    EXPECT_EQ(code, -1);
}

// The line a player pastes into a bug report: the linked SDL's own version, and the drivers SDL
// lists, "dummy" among them in both (every build of SDL has it).
TEST(CommandLine, TheLibraryReportNamesTheLinkedSdlAndItsDrivers) {
    SDL_version linked;
    SDL_GetVersion(&linked);
    const std::string report = LibraryReport();
    const std::string sdl = "SDL " + std::to_string(linked.major) + "." + std::to_string(linked.minor) + "." +
                            std::to_string(linked.patch) + ", SDL_mixer ";
    EXPECT_EQ(report.rfind(sdl, 0), 0u) << report;
    const size_t video = report.find("; video: "), audio = report.find("; audio: ");
    ASSERT_NE(video, std::string::npos) << report;
    ASSERT_NE(audio, std::string::npos) << report;
    EXPECT_NE(report.substr(video, audio - video).find(" dummy"), std::string::npos) << report;
    EXPECT_NE(report.find(" dummy", audio), std::string::npos) << report;
    EXPECT_EQ(report.find('\n'), std::string::npos);
}
