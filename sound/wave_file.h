#pragma once
// The RIFF WAVE walk over a file's bytes: where the sound data lie and what the format chunk says.
#include <cstddef>
#include <cstdint>

struct WaveData {
    int formatTag = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;  // per sample
    const uint8_t* data = nullptr;
    uint32_t size = 0;
};

// true when the bytes hold a RIFF "WAVE" with a PCM "fmt " chunk of at least 16 bytes and a
// non-empty "data" chunk after it, each lying wholly inside the bytes. Otherwise *reason (when
// given) says what is wrong.
bool ParseWave(const uint8_t* bytes, size_t length, WaveData* wave, const char** reason = nullptr);
