// libFuzzer: any bytes as the text palette file. The reader takes a file name, so each input is
// written to a file of this process first.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "display/display.h"

namespace {

// The one file of this process, removed when the fuzzer ends. In memory where the system offers
// a folder for it: writing a file to disk costs a thousand times more than reading it.
struct InputFile {
    std::string name = (std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                   : std::filesystem::temp_directory_path()) /
                       ("quorax-palette-fuzz-" + std::to_string(getpid()) + ".pal");
    ~InputFile() { std::remove(name.c_str()); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const InputFile input;
    const std::string& name = input.name;
    FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    PALETTEENTRY entries[256] = {};
    if (LoadPaletteFile(name.c_str(), entries) != 1) std::abort();  // an existing file always loads
    return 0;
}
