#pragma once
// A score as a standard MIDI file (format 1, one track per part), for fluidsynth to render.
#include <cstdint>
#include <vector>

#include "tools/music/score.h"

// fluidsynth renders in blocks of 64 frames and plays the MIDI file on a millisecond clock, so two
// times through a piece sound alike sample for sample only when one time lasts a whole number of
// both: 28224 frames, 0.64 s at 44100 Hz. Off that grid every note of the second time lands a few
// frames away from the first, sustained notes change phase, and the loop's seam clicks.
constexpr long long RenderGridMicros = 640000;
bool LoopsOnRenderGrid(const Score& score);

// The piece `cycles` times in a row, then `tailTicks` of silence so the last notes ring out.
std::vector<uint8_t> MidiFileBytes(const Score& score, int cycles, int tailTicks);
