#pragma once
// The status line's font is found when the game starts, not fixed where the game was built,
// so an installed game finds it wherever the system keeps it.
#include <filesystem>
#include <vector>

inline constexpr const char* FontFileName = "DejaVuSansMono-Bold.ttf";

// In order: the working directory (a font shipped beside the game's files), then the folders
// where Debian (package fonts-dejavu-core) and other systems install it.
std::vector<std::filesystem::path> FontFolders();

// The font file in the first folder that holds it as a regular file; empty when none does.
std::filesystem::path FindFontFile(const std::vector<std::filesystem::path>& folders);
