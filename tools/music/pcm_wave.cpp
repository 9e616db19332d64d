#include "tools/music/pcm_wave.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

uint32_t Little(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

void PutLittle(std::ofstream& out, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i) out.put(static_cast<char>(value >> (8 * i)));
}

}  // namespace

bool ReadPcmWave(const std::string& path, PcmWave* wave, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
        *error = path + " is not a WAVE file";
        return false;
    }
    bool format = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::string tag(bytes.begin() + at, bytes.begin() + at + 4);
        const size_t size = std::min<size_t>(Little(bytes, at + 4, 4), bytes.size() - at - 8);
        const size_t body = at + 8;
        if (tag == "fmt " && size >= 16) {
            const bool pcm16stereo = Little(bytes, body, 2) == 1 && Little(bytes, body + 2, 2) == 2 &&
                                     Little(bytes, body + 14, 2) == 16;
            if (!pcm16stereo) {
                *error = path + " is not 16-bit stereo PCM";
                return false;
            }
            wave->rate = static_cast<int>(Little(bytes, body + 4, 4));
            format = true;
        } else if (tag == "data" && format) {
            wave->samples.resize(size / 2);
            for (size_t i = 0; i < wave->samples.size(); ++i) {
                wave->samples[i] = static_cast<int16_t>(Little(bytes, body + 2 * i, 2));
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    *error = path + " holds no sound";
    return false;
}

bool WritePcmWave(const std::string& path, const PcmWave& wave)
{
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = static_cast<uint32_t>(wave.samples.size() * 2);
    out.write("RIFF", 4);
    PutLittle(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);  // PCM
    PutLittle(out, 2, 2);
    PutLittle(out, static_cast<uint32_t>(wave.rate), 4);
    PutLittle(out, static_cast<uint32_t>(wave.rate) * 4, 4);
    PutLittle(out, 4, 2);
    PutLittle(out, 16, 2);
    out.write("data", 4);
    PutLittle(out, dataBytes, 4);
    for (int16_t sample : wave.samples) PutLittle(out, static_cast<uint16_t>(sample), 2);
    return static_cast<bool>(out);
}

bool CutFrames(const PcmWave& wave, long long first, long long count, PcmWave* out)
{
    if (first < 0 || count <= 0 || first + count > wave.Frames()) return false;
    out->rate = wave.rate;
    out->samples.assign(wave.samples.begin() + 2 * first, wave.samples.begin() + 2 * (first + count));
    return true;
}

bool CutLoop(const PcmWave& rendered, long long cycle, long long blend, PcmWave* out)
{
    if (blend > cycle || !CutFrames(rendered, cycle, cycle, out)) return false;
    for (long long f = 0; f < blend; ++f) {
        const double towardsFirst = static_cast<double>(f + 1) / static_cast<double>(blend);
        for (int c = 0; c < 2; ++c) {
            const size_t at = static_cast<size_t>(2 * (cycle - blend + f) + c);
            int16_t& second = out->samples[at];
            second = static_cast<int16_t>(std::lround(second * (1 - towardsFirst) + rendered.samples[at] * towardsFirst));
        }
    }
    return true;
}

void FadeOut(PcmWave* wave, long long frames)
{
    frames = std::min(frames, wave->Frames());
    const long long start = wave->Frames() - frames;
    for (long long f = 0; f < frames; ++f) {
        const double gain = 1.0 - static_cast<double>(f + 1) / static_cast<double>(frames);
        for (int c = 0; c < 2; ++c) {
            int16_t& s = wave->samples[2 * (start + f) + c];
            s = static_cast<int16_t>(std::lround(s * gain));
        }
    }
}

void Normalise(PcmWave* wave, double rms, double peak)
{
    double sum = 0;
    int loudest = 0;
    for (int16_t s : wave->samples) {
        sum += static_cast<double>(s) * s;
        loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    }
    if (wave->samples.empty() || loudest == 0) return;
    const double current = std::sqrt(sum / static_cast<double>(wave->samples.size())) / 32768.0;
    const double gain = std::min(rms / current, peak * 32767.0 / loudest);
    for (int16_t& s : wave->samples) {
        s = static_cast<int16_t>(std::clamp<long>(std::lround(s * gain), -32768, 32767));
    }
}
