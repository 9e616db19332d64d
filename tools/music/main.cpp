// quorax-music: turns a score into the MIDI file fluidsynth renders, and the rendering into the
// piece the game plays.
//   quorax-music midi SCORE OUT.mid       the piece twice (a loop) or once with a tail
//   quorax-music cut SCORE IN.wav OUT.wav  the second time through (a loop) or the whole (once)
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/music/midi_file.h"
#include "tools/music/pcm_wave.h"
#include "tools/music/score.h"

namespace {

constexpr int Rate = 44100;
constexpr double TailSeconds = 3.0;   // a piece played once rings out this long after its last bar
constexpr double FadeSeconds = 0.5;   // and fades over the end of that
constexpr long long LoopBlendFrames = Rate / 20;  // 50 ms: far shorter than any note
constexpr double PieceRms = 0.10;     // every piece as loud as the others: -20 dB of full scale
constexpr double PiecePeak = 0.89;    // with 1 dB of headroom

int Usage()
{
    std::fprintf(stderr, "usage: quorax-music midi SCORE OUT.mid | cut SCORE IN.wav OUT.wav\n");
    return 2;
}

int TailTicks(const Score& score)
{
    return static_cast<int>(TailSeconds * 1e6 / score.MicrosPerQuarter() * TicksPerQuarter);
}

int WriteMidi(const Score& score, const std::string& out)
{
    if (score.loop && !LoopsOnRenderGrid(score)) {
        std::fprintf(stderr, "quorax-music: \"%s\" lasts %.3f s; a loop must last a whole number of 0.64 s "
                     "or its seam clicks: choose another tempo or bar count\n",
                     score.name.c_str(), score.Ticks() * 1e-6 * score.MicrosPerQuarter() / TicksPerQuarter);
        return 1;
    }
    // A loop is rendered twice so that its second time starts inside the first one's reverb tail.
    const auto bytes = score.loop ? MidiFileBytes(score, 2, score.TicksPerBar()) : MidiFileBytes(score, 1, TailTicks(score));
    std::ofstream file(out, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file ? 0 : 1;
}

int Cut(const Score& score, const std::string& in, const std::string& out)
{
    PcmWave rendered;
    std::string error;
    if (!ReadPcmWave(in, &rendered, &error)) {
        std::fprintf(stderr, "quorax-music: %s\n", error.c_str());
        return 1;
    }
    const long long cycle = TickToFrame(score, score.Ticks(), Rate);
    PcmWave piece;
    const bool cut = score.loop ? CutLoop(rendered, cycle, LoopBlendFrames, &piece)
                                : CutFrames(rendered, 0, TickToFrame(score, score.Ticks() + TailTicks(score), Rate), &piece);
    if (!cut) {
        std::fprintf(stderr, "quorax-music: %s is shorter than the piece\n", in.c_str());
        return 1;
    }
    if (!score.loop) FadeOut(&piece, static_cast<long long>(FadeSeconds * Rate));
    Normalise(&piece, PieceRms, PiecePeak);
    return WritePcmWave(out, piece) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) return Usage();
    const std::string command = argv[1];
    Score score;
    std::string error;
    if (!ReadScoreFile(argv[2], &score, &error)) {
        std::fprintf(stderr, "quorax-music: %s\n", error.c_str());
        return 1;
    }
    if (command == "midi" && argc == 4) return WriteMidi(score, argv[3]);
    if (command == "cut" && argc == 5) return Cut(score, argv[3], argv[4]);
    return Usage();
}
