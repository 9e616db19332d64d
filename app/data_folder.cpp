#include "app/data_folder.h"

namespace fs = std::filesystem;

namespace {

bool HoldsMarker(const fs::path& folder) {
    std::error_code failed;
    return !folder.empty() && fs::is_regular_file(folder / DataMarkerFile, failed);
}

}  // namespace

fs::path InstalledDataFolder(const fs::path& programFolder) {
    if (programFolder.empty()) return {};
    // Set by the build from the install layout, e.g. "../share/games/quorax" beside "games/".
    return (programFolder / QUORAX_DATA_FROM_PROGRAM).lexically_normal();
}

fs::path ChooseDataFolder(const fs::path& working, const fs::path& programFolder) {
    if (HoldsMarker(working)) return working;
    const fs::path installed = InstalledDataFolder(programFolder);
    if (HoldsMarker(installed)) return installed;
    return {};
}

int EnterDataFolder(const fs::path& programFolder, std::string& error) {
    std::error_code failed;
    const fs::path working = fs::current_path(failed);
    const fs::path chosen = ChooseDataFolder(working, programFolder);
    if (chosen.empty()) {
        const fs::path installed = InstalledDataFolder(programFolder);
        error = std::string("cannot find the game's files: \"") + DataMarkerFile + "\" is neither in " +
                (working.empty() ? std::string("the working directory") : working.string()) + " nor in " +
                (installed.empty() ? std::string("the installed data folder (the program's folder is unknown)")
                                   : installed.string());
        return 0;
    }
    if (chosen == working) return 1;
    fs::current_path(chosen, failed);
    if (failed) {
        error = "cannot enter the data folder " + chosen.string() + ": " + failed.message();
        return 0;
    }
    return 1;
}

std::string DataFolderInUse() {
    std::error_code failed;
    return fs::current_path(failed).string();
}
