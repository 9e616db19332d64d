#include "app/pad_mappings.h"

#include <cstdio>
#include <string>

#include "input/gamepad.h"

void LoadPadMappings(const std::filesystem::path& programFolder)
{
    if (programFolder.empty()) return;
    const std::filesystem::path file = programFolder / PadMappingFileName;
    if (UsePadMappingFile(file) < 0) {
        std::fprintf(stderr, "quorax: no pad mapping from \"%s\" (%s); the game goes on with SDL's own\n",
                     file.string().c_str(), PadMappingError());
    }
}
