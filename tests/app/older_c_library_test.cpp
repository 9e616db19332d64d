// The stand-ins for the C library's newer functions, held against the real ones of this machine's
// C library: what the unwinder reads must be what the loader itself would say.
#include "app/older_c_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>

namespace {

int InThisProgram() { return 1; }
const int ThisProgramsData = 2;

void ExpectSameAsTheLoader(const void* address, const char* what) {
    dl_find_object mine{}, loader{};
    ASSERT_EQ(FindLoadedObject(address, &mine), 0) << what;
    ASSERT_EQ(_dl_find_object(const_cast<void*>(address), &loader), 0) << what;
    EXPECT_EQ(mine.dlfo_map_start, loader.dlfo_map_start) << what;
    EXPECT_EQ(mine.dlfo_map_end, loader.dlfo_map_end) << what;
    EXPECT_EQ(mine.dlfo_eh_frame, loader.dlfo_eh_frame) << what;
    EXPECT_NE(mine.dlfo_eh_frame, nullptr) << what;
    EXPECT_EQ(mine.dlfo_link_map, loader.dlfo_link_map) << what;
}

}  // namespace

TEST(OlderCLibrary, FindsTheObjectsTheLoaderFinds) {
    // The program itself, its data, and two shared objects: the C library and the C++ runtime.
    ExpectSameAsTheLoader(reinterpret_cast<const void*>(&InThisProgram), "the program's code");
    ExpectSameAsTheLoader(&ThisProgramsData, "the program's data");
    ExpectSameAsTheLoader(reinterpret_cast<const void*>(&std::sqrt<int>), "the program's code, a template");
    ExpectSameAsTheLoader(reinterpret_cast<const void*>(&dladdr), "the C library");
    ExpectSameAsTheLoader(reinterpret_cast<const void*>(&std::set_terminate), "the C++ runtime");
}

TEST(OlderCLibrary, AnAddressOutsideEveryObjectIsNotFound) {
    dl_find_object found{};
    EXPECT_EQ(FindLoadedObject(nullptr, &found), -1);
    int onTheStack = 0;
    EXPECT_EQ(FindLoadedObject(&onTheStack, &found), -1);
}

TEST(OlderCLibrary, RandomBitsDiffer) {
    std::set<uint32_t> seen;
    for (int i = 0; i < 16; ++i) seen.insert(KernelRandomBits());
    // Sixteen draws of 32 bits all alike would be a broken source, not chance.
    EXPECT_GT(seen.size(), 8u);
}
