#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

std::string EnterTempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto folder = std::filesystem::temp_directory_path() /
                        (std::string("quorax-") + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    return folder.string();
}

void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::string& name, const std::string& text) { std::ofstream(name) << text; }
