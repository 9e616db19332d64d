#include "display/font_file.h"

namespace fs = std::filesystem;

std::vector<fs::path> FontFolders() {
    std::error_code failed;
    return {fs::current_path(failed), "/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/dejavu",
            "/usr/share/fonts/TTF", "/usr/local/share/fonts"};
}

fs::path FindFontFile(const std::vector<fs::path>& folders) {
    for (const fs::path& folder : folders) {
        std::error_code failed;
        if (!folder.empty() && fs::is_regular_file(folder / FontFileName, failed)) return folder / FontFileName;
    }
    return {};
}
