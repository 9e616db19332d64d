#include "voice.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>

#include "wav_writer.h"

extern char** environ;

namespace {

uint32_t Le(const Bytes& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

struct Pcm16 {
    int rate = 0;
    std::vector<int16_t> samples;
};

// Reads the chunks of a RIFF WAVE file; espeak-ng writes mono 16-bit PCM.
Pcm16 ParseWave(const Bytes& f)
{
    if (f.size() < 12 || Le(f, 0, 4) != 0x46464952u || Le(f, 8, 4) != 0x45564157u)
        throw std::runtime_error("espeak-ng wrote no RIFF WAVE file");
    Pcm16 out;
    int channels = 0, bits = 0, format = 0;
    size_t pos = 12;
    while (pos + 8 <= f.size()) {
        const uint32_t id = Le(f, pos, 4);
        // A streamed file may leave its sizes unset: never read past the file.
        const size_t size = std::min<size_t>(Le(f, pos + 4, 4), f.size() - pos - 8);
        const size_t body = pos + 8;
        if (id == 0x20746D66u && size >= 16) {  // "fmt "
            format = static_cast<int>(Le(f, body, 2));
            channels = static_cast<int>(Le(f, body + 2, 2));
            out.rate = static_cast<int>(Le(f, body + 4, 4));
            bits = static_cast<int>(Le(f, body + 14, 2));
        } else if (id == 0x61746164u) {  // "data"
            if (format != 1 || channels != 1 || bits != 16 || out.rate <= 0)
                throw std::runtime_error("espeak-ng wrote an unexpected format (want PCM mono 16-bit)");
            for (size_t i = 0; i + 1 < size; i += 2)
                out.samples.push_back(static_cast<int16_t>(Le(f, body + i, 2)));
            return out;
        }
        pos = body + size + (size & 1);
    }
    throw std::runtime_error("espeak-ng wrote a WAVE file without data");
}

void RunEspeak(const std::string& espeak, const std::string& outFile)
{
    // A deep, slower male voice sounds heroic; the text ends in "!" for a firm fall.
    std::vector<std::string> args = {espeak, "-v", "en+m3", "-p", "30", "-s", "140", "-a", "180",
                                      "-w", outFile, "Quorax!"};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, espeak.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot run " + espeak +
                                 ": espeak-ng is needed to speak the hero's voice (Debian package espeak-ng)");
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(espeak + " failed to speak the hero's voice");
}

// Converts signed 16-bit mono PCM at `rate` to 8-bit unsigned at SoundRate: low-pass,
// resample, trim silence at both ends, normalise.
Bytes ConvertVoice(const std::vector<int16_t>& pcm, int rate)
{
    // Windowed-sinc low-pass at 0.45 of the target rate, evaluated at each output instant:
    // one step that both removes aliasing and resamples.
    const double step = static_cast<double>(rate) / SoundRate;
    const double cutoff = 0.45 * std::min(1.0, 1.0 / step);  // cycles per input sample
    const int taps = 24;
    std::vector<double> out;
    for (double src = 0; src < static_cast<double>(pcm.size()); src += step) {
        const long centre = static_cast<long>(std::floor(src));
        double acc = 0;
        for (long k = centre - taps; k <= centre + taps; ++k) {
            if (k < 0 || k >= static_cast<long>(pcm.size())) continue;
            const double x = static_cast<double>(k) - src;
            const double arg = 2 * cutoff * x;
            const double sinc = std::abs(arg) < 1e-9 ? 1.0 : std::sin(std::numbers::pi * arg) / (std::numbers::pi * arg);
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * x / (taps + 1));
            acc += pcm[static_cast<size_t>(k)] * 2 * cutoff * sinc * window;
        }
        out.push_back(acc / 32768.0);
    }
    // Trim what is quieter than 2% of the peak at both ends, leaving 10 ms of lead-in.
    double peak = 0;
    for (double v : out) peak = std::max(peak, std::abs(v));
    if (peak <= 0) throw std::runtime_error("the spoken voice is silent");
    const auto loud = [&](double v) { return std::abs(v) > 0.02 * peak; };
    const long first = std::find_if(out.begin(), out.end(), loud) - out.begin();
    const long last = out.rend() - std::find_if(out.rbegin(), out.rend(), loud);
    const long margin = SoundRate / 100;
    const long from = std::max(0L, first - margin);
    const long to = std::min(static_cast<long>(out.size()), last + margin);
    Bytes u8;
    for (long i = from; i < to; ++i)
        u8.push_back(static_cast<uint8_t>(std::lround(128 + 120 * out[static_cast<size_t>(i)] / peak)));
    return u8;
}

}  // namespace

Bytes SpeakHeroName(const std::string& espeak, const std::string& workDir)
{
    if (!std::filesystem::exists(espeak))
        throw std::runtime_error(espeak + " not found: espeak-ng is needed to speak the hero's voice "
                                          "(install the Debian package espeak-ng)");
    const std::string scratch = (std::filesystem::path(workDir) / "QXVoice.espeak.wav").string();
    RunEspeak(espeak, scratch);
    std::ifstream in(scratch, std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::filesystem::remove(scratch);
    const Pcm16 pcm = ParseWave(file);
    return ConvertVoice(pcm.samples, pcm.rate);
}
