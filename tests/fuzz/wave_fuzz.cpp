// libFuzzer: any bytes given to the WAVE chunk walk.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "sound/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WaveData wave;
    const char* reason = nullptr;
    if (ParseWave(data, size, &wave, &reason)) {
        // The sound data must lie wholly inside the bytes: the sanitizer sees each read.
        if (wave.data < data || wave.size == 0 || wave.data + wave.size > data + size) std::abort();
        volatile uint8_t sum = 0;
        for (uint32_t i = 0; i < wave.size; ++i) sum = static_cast<uint8_t>(sum + wave.data[i]);
    } else if (!reason) {
        std::abort();  // a refusal always says why
    }
    return 0;
}
