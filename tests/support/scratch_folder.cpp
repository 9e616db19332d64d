#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "quorax-";
    if (info) name += std::string(info->test_suite_name()) + "-" + info->name() + "-";
    name += std::to_string(::getpid());
    // Parameterised tests carry slashes in their names.
    for (char& c : name)
        if (c == '/') c = '_';
    path_ = fs::path(::testing::TempDir()) / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    if (!home_.empty()) fs::current_path(home_, ignored);
    fs::remove_all(path_, ignored);
}

void ScratchFolder::Enter()
{
    if (home_.empty()) home_ = fs::current_path();
    fs::current_path(path_);
}

void Mirror(const fs::path& file, const fs::path& at)
{
    std::error_code refused;
    fs::create_symlink(file, at, refused);
    if (refused) fs::copy_file(file, at);
}

void WriteBytes(const fs::path& file, const std::vector<uint8_t>& bytes)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }
