#include "app/older_c_library.h"

#include <link.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>

namespace {

struct Search {
    uintptr_t address;
    dl_find_object* found;
    bool program = true;  // the walk starts at the program itself
};

// Called for each loaded object; stops the walk (1) at the one with a loaded segment holding the
// address. Its mapping runs from the first segment's page to the end of its last segment, as the
// loader records it. The one exception is the program, which the kernel mapped: when its segments
// leave gaps between their pages (arm64 programs align them to 64 KB, beyond a 4 KB page), the
// loader records each segment on its own, from its first byte to its last.
int Look(dl_phdr_info* object, size_t, void* data) {
    Search& search = *static_cast<Search*>(data);
    const bool program = search.program;
    search.program = false;
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    bool contiguous = true;
    uintptr_t start = UINTPTR_MAX, end = 0, frames = 0, expected = 0, holderStart = 0, holderEnd = 0;
    for (int i = 0; i < object->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = object->dlpi_phdr[i];
        const uintptr_t from = object->dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_GNU_EH_FRAME) frames = from;
        if (segment.p_type != PT_LOAD) continue;
        const uintptr_t to = from + segment.p_memsz;
        if (search.address >= from && search.address < to) holderStart = from, holderEnd = to;
        if (expected != 0 && expected != (from & ~(page - 1))) contiguous = false;
        expected = (to + page - 1) & ~(page - 1);
        if ((from & ~(page - 1)) < start) start = from & ~(page - 1);
        if (to > end) end = to;
    }
    if (holderEnd == 0) return 0;
    if (program && !contiguous) start = holderStart, end = holderEnd;
    *search.found = {};
    search.found->dlfo_map_start = reinterpret_cast<void*>(start);
    search.found->dlfo_map_end = reinterpret_cast<void*>(end);
    search.found->dlfo_eh_frame = reinterpret_cast<void*>(frames);
    Dl_info named;
    link_map* map = nullptr;
    if (dladdr1(reinterpret_cast<void*>(search.address), &named, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP))
        search.found->dlfo_link_map = map;
    return 1;
}

}  // namespace

int FindLoadedObject(const void* address, dl_find_object* found) {
    Search search{reinterpret_cast<uintptr_t>(address), found};
    return dl_iterate_phdr(Look, &search) ? 0 : -1;
}

uint32_t KernelRandomBits() {
    uint32_t bits = 0;
    auto* into = reinterpret_cast<unsigned char*>(&bits);
    for (size_t got = 0; got < sizeof bits;) {
        const ssize_t n = getrandom(into + got, sizeof bits - got, 0);
        if (n > 0) got += static_cast<size_t>(n);
        // Only a signal interrupts it (the kernel's pool is ready long before a game starts).
        else if (errno != EINTR) break;
    }
    return bits;
}
