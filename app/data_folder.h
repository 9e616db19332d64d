#pragma once
// Where the game's files are: the working directory when it holds them (a build folder, or
// files beside the program), otherwise the data folder installed with the program.
#include <filesystem>
#include <string>

// One file stands for all: the first picture start-up reads. A folder that has it but lacks
// another file is still chosen; start-up then names the missing file.
inline constexpr const char* DataMarkerFile = "title.bmp";

// The installed data folder of a program that lives in `programFolder` (the same layout under
// every prefix); empty when the program's folder is unknown.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& programFolder);

// The folder to read from, or an empty path when neither place holds the marker.
std::filesystem::path ChooseDataFolder(const std::filesystem::path& working, const std::filesystem::path& programFolder);

// Makes the chosen folder the working directory. 1 done; 0 with a one-line `error` that
// names the marker and both places looked at.
int EnterDataFolder(const std::filesystem::path& programFolder, std::string& error);

// The folder the game reads from once it has been entered (for messages).
std::string DataFolderInUse();
