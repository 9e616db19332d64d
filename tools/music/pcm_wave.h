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

// A loop from a rendering of the piece twice over, each time `cycle` frames: the second time,
// which starts inside the first one's reverb tail. Over its last `blend` frames it crossfades
// into the last frames of the first time, the ones that led into that start, so the loop's end
// meets its start as the rendering did (the reverb's inner sweep differs a little between the
// two times, which would otherwise leave a small step). false when the rendering is too short.
bool CutLoop(const PcmWave& rendered, long long cycle, long long blend, PcmWave* out);

// Fades the last `frames` frames to silence, so a piece played once ends without a click.
void FadeOut(PcmWave* wave, long long frames);

// Scales the samples to `rms` (a fraction of full scale) unless the peak would pass `peak`.
void Normalise(PcmWave* wave, double rms, double peak);
