#pragma once
// A folder of the running test's own under the system's temporary folder, for the files it writes.
// It goes with the object, so a test leaves nothing behind whether it passed or failed.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class ScratchFolder {
public:
    // Made empty, named after the test and the process so that tests running side by side never share one.
    ScratchFolder();
    // Back to the working directory it replaced (if it was entered), then removed with all it holds.
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Makes it the working directory until the folder goes.
    void Enter();

private:
    std::filesystem::path path_;
    std::filesystem::path home_;
};

// `file` seen at `at` as well: a symbolic link, or a copy where the system lets only some users
// make links (Windows).
void Mirror(const std::filesystem::path& file, const std::filesystem::path& at);

void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);
void WriteText(const std::filesystem::path& file, const std::string& text);
