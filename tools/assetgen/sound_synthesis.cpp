#include "sound_synthesis.h"

#include <cmath>
#include <vector>

#include "rng.h"
#include "wav_writer.h"

namespace {

constexpr float Pi = 3.14159265358979f;

// Samples of one effect as floats in [-1, 1], built up voice by voice.
struct Mix {
    std::vector<float> s;
    explicit Mix(float seconds) : s(static_cast<size_t>(seconds * SoundRate), 0.0f) {}
    float t(size_t i) const { return static_cast<float>(i) / SoundRate; }
};

// Attack in a few milliseconds, then exponential decay with the given time constant.
float Envelope(float t, float attack, float decay)
{
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// A one-pole low-pass over white noise: `smooth` near 1 gives a dull rumble.
std::vector<float> Noise(size_t n, uint32_t seed, float smooth)
{
    Rng rng(seed);
    std::vector<float> out(n);
    float y = 0;
    for (float& v : out) {
        y = smooth * y + (1 - smooth) * rng.signedUnit();
        v = y;
    }
    return out;
}

Bytes ToUnsigned8(const std::vector<float>& s)
{
    // Soft clip, then a short fade out so the last sample lands on silence.
    Bytes out(s.size());
    const size_t fade = std::min<size_t>(s.size(), SoundRate / 100);
    for (size_t i = 0; i < s.size(); ++i) {
        float v = std::tanh(1.4f * s[i]);
        if (i + fade >= s.size()) v *= static_cast<float>(s.size() - 1 - i) / static_cast<float>(fade);
        out[i] = static_cast<uint8_t>(std::lround(128.0f + 126.0f * v));
    }
    return out;
}

}  // namespace

Bytes SynthPunch()
{
    Mix m(0.20f);
    const std::vector<float> slap = Noise(m.s.size(), 0x51A9u, 0.55f);
    float phase = 0;
    for (size_t i = 0; i < m.s.size(); ++i) {
        const float t = m.t(i);
        const float freq = 45.0f + 140.0f * std::exp(-t / 0.03f);  // the thump drops in pitch
        phase += 2 * Pi * freq / SoundRate;
        const float body = std::sin(phase) * Envelope(t, 0.002f, 0.06f);
        m.s[i] = 0.95f * body + 1.6f * slap[i] * Envelope(t, 0.001f, 0.012f);
    }
    return ToUnsigned8(m.s);
}

Bytes SynthFire()
{
    Mix m(0.26f);
    const std::vector<float> crack = Noise(m.s.size(), 0xF12Eu, 0.2f);
    float phase = 0;
    for (size_t i = 0; i < m.s.size(); ++i) {
        const float t = m.t(i);
        const float freq = 180.0f + 1500.0f * std::exp(-t / 0.05f);
        phase += 2 * Pi * freq / SoundRate;
        // A square wave with a little vibrato reads as a retro blaster.
        const float square = std::sin(phase + 0.6f * std::sin(2 * Pi * 38.0f * t)) > 0 ? 1.0f : -1.0f;
        m.s[i] = 0.45f * square * Envelope(t, 0.003f, 0.08f) + 0.7f * crack[i] * Envelope(t, 0.001f, 0.018f);
    }
    return ToUnsigned8(m.s);
}

Bytes SynthHit()
{
    Mix m(0.32f);
    const std::vector<float> grit = Noise(m.s.size(), 0x4177u, 0.35f);
    float phase = 0;
    for (size_t i = 0; i < m.s.size(); ++i) {
        const float t = m.t(i);
        const float freq = 90.0f + 360.0f * std::exp(-t / 0.09f);
        phase += 2 * Pi * freq / SoundRate;
        // A saw, ring-modulated at 31 Hz, growls as it falls.
        const float saw = 2.0f * (phase / (2 * Pi) - std::floor(phase / (2 * Pi) + 0.5f));
        const float growl = 0.6f + 0.4f * std::sin(2 * Pi * 31.0f * t);
        m.s[i] = 0.6f * saw * growl * Envelope(t, 0.002f, 0.11f) + 0.9f * grit[i] * Envelope(t, 0.001f, 0.03f);
    }
    return ToUnsigned8(m.s);
}
