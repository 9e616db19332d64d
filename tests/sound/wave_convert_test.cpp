// Sounds play as they were recorded: each file's own sample size, channels and rate are converted
// to the device's, and a file the game cannot play is refused with the reason.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <string>

#include "sound/sound.h"
#include "tests/support/scratch_folder.h"
#include "wave_bytes.h"

namespace {

struct SoundFormats : ::testing::Test {
    ScratchFolder folder;
    void SetUp() override {
        folder.Enter();
        ASSERT_EQ(InitSound(), 1);
        Mix_QuerySpec(&rate, &format, &channels);
        if (rate != 44100 || format != AUDIO_S16SYS || channels != 2) GTEST_SKIP() << "not a 16-bit stereo 44.1 kHz device";
    }
    void TearDown() override {
        DeleteAllSounds();
        ShutdownSound();
    }
    static int Load(const WaveSpec& spec) {
        const auto bytes = Wave(spec);
        WriteBytes("s.wav", bytes);
        return LoadWaveFile("s.wav", 0);
    }
    // The converted sound as 16-bit stereo frames.
    static std::vector<int16_t> Frames(int slot) {
        const Mix_Chunk* chunk = SoundSlots[slot].buffer;
        const auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        return {samples, samples + chunk->alen / 2};
    }
    static double Seconds(int slot) { return SoundSlots[slot].buffer->alen / (44100.0 * 4); }
    int rate = 0, channels = 0;
    Uint16 format = 0;
};

std::vector<uint8_t> Repeat16(const std::vector<int16_t>& frame, size_t count) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < count; ++i)
        for (int16_t v : frame) Append16(bytes, uint16_t(v));
    return bytes;
}

}  // namespace

TEST_F(SoundFormats, SixteenBitStereoAtTheDevicesRateIsPlayedSampleForSample) {
    WaveSpec spec;
    spec.bits = 16;
    spec.channels = 2;
    spec.rate = 44100;
    spec.data = Repeat16({1000, -2000}, 13230);  // 0.3 s
    const int slot = Load(spec);
    ASSERT_EQ(slot, 0) << SoundFileError();
    EXPECT_EQ(SoundSlots[slot].rate, 44100);
    const auto frames = Frames(slot);
    ASSERT_EQ(frames.size(), 2u * 13230);
    EXPECT_EQ(frames[0], 1000);
    EXPECT_EQ(frames[1], -2000);
    EXPECT_EQ(frames[2 * 13229 + 1], -2000);
    EXPECT_NEAR(Seconds(slot), 0.3, 0.001);
}

TEST_F(SoundFormats, OtherRatesAndSampleSizesKeepTheirLengthAndLevel) {
    WaveSpec eightBit;
    eightBit.rate = 22050;
    eightBit.data = std::vector<uint8_t>(2205, 192);  // 0.1 s, half way up from the silent 128
    WaveSpec mono16;
    mono16.bits = 16;
    mono16.rate = 11025;
    mono16.data = Repeat16({-8000}, 2205);  // 0.2 s
    const struct {
        WaveSpec spec;
        double seconds;
        int level;
    } cases[] = {{eightBit, 0.1, 16384}, {mono16, 0.2, -8000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec.rate);
        const int slot = Load(c.spec);
        ASSERT_GE(slot, 0) << SoundFileError();
        EXPECT_EQ(SoundSlots[slot].rate, c.spec.rate);
        EXPECT_NEAR(Seconds(slot), c.seconds, 0.002);
        const auto frames = Frames(slot);
        const size_t middle = frames.size() / 4 * 2;  // a left sample half way through
        EXPECT_NEAR(frames[middle], c.level, 200);
        EXPECT_NEAR(frames[middle + 1], c.level, 200);  // mono reaches both speakers
    }
}

TEST_F(SoundFormats, FilesThatCannotBePlayedAreRefusedWithTheReason) {
    WaveSpec deep;
    deep.bits = 24;
    deep.data = std::vector<uint8_t>(300, 1);
    EXPECT_EQ(Load(deep), -1);
    EXPECT_EQ(std::string(SoundFileError()), "24-bit samples are not supported");
    WaveSpec surround;
    surround.channels = 6;
    EXPECT_EQ(Load(surround), -1);
    EXPECT_EQ(std::string(SoundFileError()), "6 channels are not supported");
    WaveSpec still;
    still.rate = 0;
    EXPECT_EQ(Load(still), -1);
    EXPECT_EQ(std::string(SoundFileError()), "a sample rate of 0 Hz is not supported");
    WaveSpec torn;
    torn.bits = 16;
    torn.data = {1};
    EXPECT_EQ(Load(torn), -1);
    EXPECT_EQ(std::string(SoundFileError()), "its data chunk holds less than one sample");
    WaveSpec adpcm;
    adpcm.formatTag = 2;
    EXPECT_EQ(Load(adpcm), -1);
    EXPECT_EQ(std::string(SoundFileError()), "its samples are not PCM");
    EXPECT_EQ(LoadWaveFile("missing.wav", 0), -1);
    EXPECT_EQ(std::string(SoundFileError()), "cannot open the file (No such file or directory)");
    EXPECT_EQ(SoundSlots[0].state, SOUND_FREE);

    torn.data = {1, 2, 3, 4, 5};  // two frames and half of one more: the torn one is dropped
    ASSERT_EQ(Load(torn), 0) << SoundFileError();
    EXPECT_EQ(std::string(SoundFileError()), "");
    EXPECT_EQ(SoundSlots[0].size, 5);
}
