// The four sounds in the one format the game plays: PCM, mono, 8-bit, 11025 Hz.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "asset_files.h"

namespace {

double Seconds(const WavFile& w) { return static_cast<double>(w.data.size()) / 11025.0; }

int Peak(const WavFile& w)
{
    int peak = 0;
    for (uint8_t v : w.data) peak = std::max(peak, std::abs(static_cast<int>(v) - 128));
    return peak;
}

}  // namespace

TEST(WaveFiles, EverySoundIsEightBitMonoPcmAt11025Hz)
{
    for (const std::string& file : SoundFiles) {
        SCOPED_TRACE(file);
        const WavFile w = ReadWav(file);
        ASSERT_TRUE(w.riff) << "missing or not RIFF WAVE";
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, 11025);
        EXPECT_EQ(w.byteRate, 11025);
        EXPECT_EQ(w.blockAlign, 1);
        EXPECT_EQ(w.bits, 8);
        ASSERT_FALSE(w.data.empty());
        // Canonical header: the data follows at byte 44 and the RIFF size covers the file.
        EXPECT_EQ(w.raw.size(), 44 + w.data.size() + (w.data.size() & 1));
        const uint32_t riffSize = w.raw[4] | w.raw[5] << 8 | w.raw[6] << 16 | static_cast<uint32_t>(w.raw[7]) << 24;
        EXPECT_EQ(riffSize + 8, w.raw.size());
    }
}

TEST(WaveFiles, EffectsAreShortPunchyAndDistinct)
{
    std::vector<WavFile> effects;
    for (const char* file : {"Punch.wav", "Fire.wav", "Hit.wav"}) {
        SCOPED_TRACE(file);
        effects.push_back(ReadWav(file));
        const WavFile& w = effects.back();
        EXPECT_GE(Seconds(w), 0.1);
        EXPECT_LE(Seconds(w), 0.4);
        EXPECT_GE(Peak(w), 80) << "too quiet";
        ASSERT_FALSE(w.data.empty());
        // Start and end on silence, or the sound clicks.
        EXPECT_LE(std::abs(w.data.front() - 128), 8);
        EXPECT_LE(std::abs(w.data.back() - 128), 2);
    }
    EXPECT_NE(effects[0].data, effects[1].data);
    EXPECT_NE(effects[1].data, effects[2].data);
    EXPECT_NE(effects[0].data, effects[2].data);
}

TEST(WaveFiles, TheVoiceSpeaksAtAHeardLevelWithoutLongSilence)
{
    const WavFile w = ReadWav("QXVoice.wav");
    ASSERT_FALSE(w.data.empty());
    EXPECT_GE(Seconds(w), 0.3);
    EXPECT_LE(Seconds(w), 2.0);
    EXPECT_GE(Peak(w), 100);
    // Trimmed: loud within the first and last 50 ms.
    const size_t edge = 11025 / 20;
    const auto loud = [](uint8_t v) { return std::abs(static_cast<int>(v) - 128) > 10; };
    EXPECT_TRUE(std::any_of(w.data.begin(), w.data.begin() + static_cast<long>(edge), loud));
    EXPECT_TRUE(std::any_of(w.data.end() - static_cast<long>(edge), w.data.end(), loud));
}
