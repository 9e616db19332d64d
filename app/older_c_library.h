#pragma once
// Two functions of the C library newer than the portable Linux folder may count on (it promises
// glibc 2.34), written with older ones. The compiler's own runtime, linked into that folder's
// programs, was built against a newer C library and calls them: the unwinder that every thrown
// exception passes through asks for _dl_find_object (glibc 2.35), and std::random_device, which
// the C++ runtime links in with std::string, for arc4random (2.36). older_c_library_symbols.cpp
// gives them those names in the portable build only.
#include <dlfcn.h>

#include <cstdint>

// What _dl_find_object tells of the loaded object that holds `address`, found by walking the
// objects' program headers (dl_iterate_phdr). 0 found; -1 when no object holds it.
int FindLoadedObject(const void* address, dl_find_object* found);

// 32 random bits from the kernel (getrandom), as arc4random gives them.
uint32_t KernelRandomBits();
