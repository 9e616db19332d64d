// The portable build's own definitions of the two newer C library functions its statically linked
// C++ runtime calls (see older_c_library.h): the linker binds the runtime's calls to these, so the
// program needs no C library newer than 2.34.
#include "app/older_c_library.h"

extern "C" int _dl_find_object(void* address, dl_find_object* found) noexcept { return FindLoadedObject(address, found); }

extern "C" uint32_t arc4random() noexcept { return KernelRandomBits(); }
