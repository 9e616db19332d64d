// The music files the build rendered, checked as the game hears them: decoded by SDL_mixer
// into the format the game opens its device with.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "sound/music.h"
#include "sound/wave_file.h"
#include "tools/music/score.h"

namespace {

constexpr int Rate = 44100;
constexpr int Window = Rate / 50;  // 20 ms

struct Piece {
    int id;
    const char* score;
};
constexpr Piece Pieces[] = {{MusicTitle, "title"}, {MusicLand1, "land1"},     {MusicLand1 + 1, "land2"},
                            {MusicLand1 + 2, "land3"}, {MusicLand1 + 3, "land4"}, {MusicLand1 + 4, "land5"},
                            {MusicWin, "win"}};

std::vector<uint8_t> FileBytes(const char* name)
{
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

uint32_t Little32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

// What the Vorbis identification header, the first packet of the first page, says.
struct VorbisHeader {
    bool found = false;
    int channels = 0;
    uint32_t rate = 0;
};

VorbisHeader ReadVorbisHeader(const std::vector<uint8_t>& bytes)
{
    VorbisHeader header;
    if (bytes.size() < 28 || std::string(bytes.begin(), bytes.begin() + 4) != "OggS") return header;
    const size_t packet = 27 + bytes[26];
    if (bytes.size() < packet + 16 || bytes[packet] != 1 ||
        std::string(bytes.begin() + packet + 1, bytes.begin() + packet + 7) != "vorbis") {
        return header;
    }
    header.found = true;
    header.channels = bytes[packet + 11];
    header.rate = Little32(bytes, packet + 12);
    return header;
}

double Rms(const int16_t* samples, size_t count)
{
    double sum = 0;
    for (size_t i = 0; i < count; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(count)) / 32768.0;
}

// The quietest of the game's effects, as played: 8-bit samples around 128.
double QuietestEffectRms()
{
    double quietest = 1.0;
    for (const char* name : {"Punch.wav", "Fire.wav", "Hit.wav", "QXVoice.wav"}) {
        const std::vector<uint8_t> bytes = FileBytes(name);
        WaveData wave;
        EXPECT_TRUE(ParseWave(bytes.data(), bytes.size(), &wave)) << name;
        double sum = 0;
        for (uint32_t i = 0; i < wave.size; ++i) sum += std::pow((wave.data[i] - 128) / 128.0, 2);
        quietest = std::min(quietest, std::sqrt(sum / std::max<uint32_t>(wave.size, 1)));
    }
    return quietest;
}

class RenderedMusic : public ::testing::Test {
protected:
    // Per test, not per suite: a failing suite set-up would only mark the tests skipped.
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);  // decoding needs an open device, not a sound card
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(Rate, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    }
    void TearDown() override
    {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    // The piece's samples, left and right interleaved.
    static std::vector<int16_t> Decode(const char* file)
    {
        Mix_Chunk* chunk = Mix_LoadWAV(file);
        EXPECT_NE(chunk, nullptr) << file << ": " << Mix_GetError();
        if (!chunk) return {};
        const auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        std::vector<int16_t> out(samples, samples + chunk->alen / 2);
        Mix_FreeChunk(chunk);
        return out;
    }

    static Score Load(const char* name)
    {
        Score score;
        std::string error;
        EXPECT_TRUE(ReadScoreFile(std::string(QUORAX_SCORE_DIR) + "/" + name + ".txt", &score, &error)) << error;
        return score;
    }
};

}  // namespace

TEST_F(RenderedMusic, FilesAreVorbisAt44100HzStereoAndLastTheirScore)
{
    int rate = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
    ASSERT_TRUE(rate == Rate && format == AUDIO_S16SYS && channels == 2);  // decoding converts nothing
    for (const Piece& piece : Pieces) {
        const char* file = MusicFileName(piece.id);
        const VorbisHeader header = ReadVorbisHeader(FileBytes(file));
        ASSERT_TRUE(header.found) << file;
        EXPECT_EQ(header.rate, 44100u) << file;
        EXPECT_EQ(header.channels, 2) << file;
        const Score score = Load(piece.score);
        const long long frames = static_cast<long long>(Decode(file).size() / 2);
        // A loop is exactly one time through; the fanfare keeps three seconds of its ringing.
        const long long expected = score.loop ? TickToFrame(score, score.Ticks(), Rate)
                                              : TickToFrame(score, score.Ticks(), Rate) + 3 * Rate;
        EXPECT_NEAR(static_cast<double>(frames), static_cast<double>(expected), 2.0) << file;
    }
}

TEST_F(RenderedMusic, MusicSoundsAtLeastSixDecibelsUnderTheQuietestEffect)
{
    const double effect = QuietestEffectRms();
    ASSERT_GT(effect, 0.05);
    for (const Piece& piece : Pieces) {
        const char* file = MusicFileName(piece.id);
        const std::vector<int16_t> samples = Decode(file);
        ASSERT_FALSE(samples.empty());
        const double music = Rms(samples.data(), samples.size()) * MusicVolume / MIX_MAX_VOLUME;
        EXPECT_GT(music, 0.01) << file << " is nearly silent";
        EXPECT_LE(20 * std::log10(music / effect), -6.0) << file;
    }
}

TEST_F(RenderedMusic, LoopsJoinWithoutAJumpAndTheFanfareRingsOut)
{
    for (const Piece& piece : Pieces) {
        const char* file = MusicFileName(piece.id);
        const std::vector<int16_t> s = Decode(file);
        ASSERT_GT(s.size(), size_t(4 * Window)) << file;
        const size_t frames = s.size() / 2;
        if (piece.id == MusicWin) {
            EXPECT_LT(Rms(&s[2 * (frames - Window)], 2 * Window), 0.001) << "the fanfare ends in silence";
            continue;
        }
        // The end runs into the start: neither side is silent, and the step from the last frame
        // to the first is no bigger than the steps the 20 ms on either side make themselves.
        EXPECT_GT(Rms(&s[2 * (frames - Window)], 2 * Window), 0.002) << file;
        EXPECT_GT(Rms(s.data(), 2 * Window), 0.002) << file;
        for (int c = 0; c < 2; ++c) {
            int inner = 0;
            for (size_t f = frames - Window; f + 1 < frames; ++f) inner = std::max(inner, std::abs(s[2 * (f + 1) + c] - s[2 * f + c]));
            for (size_t f = 0; f + 1 < Window; ++f) inner = std::max(inner, std::abs(s[2 * (f + 1) + c] - s[2 * f + c]));
            const int seam = std::abs(s[c] - s[2 * (frames - 1) + c]);
            EXPECT_LE(seam, inner) << file << " channel " << c;
        }
    }
}
