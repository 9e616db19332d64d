#pragma once
// The player's own pad mappings: a built-in pad that SDL's database lacks (a handheld's, say)
// plays once its line is in this file beside the program.
#include <filesystem>

inline constexpr const char* PadMappingFileName = "gamecontrollerdb.txt";

// Reads that file in programFolder (unknown when empty: then none), once the pads are started
// and before the first message is pumped. A missing file says nothing; one SDL takes no mapping
// from is named in one line on stderr, and the game goes on with SDL's own mappings.
void LoadPadMappings(const std::filesystem::path& programFolder);
