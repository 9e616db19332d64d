#pragma once
// RIFF WAVE encoding of the game's sound format: PCM, mono, 8-bit unsigned, 11025 Hz,
// with the canonical 44-byte header.
#include "byte_writer.h"

constexpr int SoundRate = 11025;

Bytes EncodeWav8(const Bytes& samples);
