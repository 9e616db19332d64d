#pragma once
// A small seeded generator (xorshift32) so that every generated file is the same on
// every run and every machine; std's distributions are not portable across libraries.
#include <cstdint>

struct Rng {
    uint32_t state;

    explicit Rng(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}

    uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // Uniform in [0, n).
    int below(int n) { return n > 0 ? static_cast<int>(next() % static_cast<uint32_t>(n)) : 0; }
    // Uniform in [-1, 1).
    float signedUnit() { return static_cast<float>(next() >> 8) / 8388608.0f - 1.0f; }
};
