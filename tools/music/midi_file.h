#pragma once
// A score as a standard MIDI file (format 1, one track per part), for fluidsynth to render.
#include <cstdint>
#include <vector>

#include "tools/music/score.h"

// The piece `cycles` times in a row, then `tailTicks` of silence so the last notes ring out.
std::vector<uint8_t> MidiFileBytes(const Score& score, int cycles, int tailTicks);
