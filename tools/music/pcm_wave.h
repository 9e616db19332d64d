#pragma once
// 16-bit stereo WAVE files as fluidsynth writes them, and the cut that makes a rendering a loop.
#include <cstdint>
#include <string>
#include <vector>

struct PcmWave {
    int rate = 44100;
    std::vector<int16_t> samples;  // left, right, left, right, ...
    long long Frames() const { return static_cast<long long>(samples.size() / 2); }
};

bool ReadPcmWave(const std::string& path, PcmWave* wave, std::string* error);
bool WritePcmWave(const std::string& path, const PcmWave& wave);

// The frames [first, first + count) of `wave`; false when it is shorter.
bool CutFrames(const PcmWave& wave, long long first, long long count, PcmWave* out);

// Fades the last `frames` frames to silence, so a piece played once ends without a click.
void FadeOut(PcmWave* wave, long long frames);

// Scales the samples to `rms` (a fraction of full scale) unless the peak would pass `peak`.
void Normalise(PcmWave* wave, double rms, double peak);
