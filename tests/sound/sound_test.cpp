#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "sound/sound.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/wait_for.h"
#include "wave_bytes.h"

namespace {

struct Sound : ::testing::Test {
    ScratchFolder folder;
    void SetUp() override {
        folder.Enter();
        ASSERT_EQ(InitSound(), 1);
    }
    void TearDown() override {
        DeleteAllSounds();
        ShutdownSound();
    }
    static int Load(const std::vector<uint8_t>& bytes, const char* name = "s.wav") {
        WriteBytes(name, bytes);
        return LoadWaveFile(name, DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY);
    }
};

}  // namespace

TEST_F(Sound, LoadsTakeSlotsInOrderAndKeepTheFilesRate) {
    EXPECT_EQ(Load(Wave()), 0);
    WaveSpec stereo;
    stereo.channels = 2;
    stereo.bits = 16;
    stereo.rate = 44100;
    EXPECT_EQ(Load(Wave(stereo)), 1);
    EXPECT_EQ(SoundSlots[1].rate, 44100);
    EXPECT_EQ(SoundSlots[1].size, 100);
    EXPECT_EQ(SoundSlots[1].state, SOUND_LOADED);
    ASSERT_NE(SoundSlots[1].buffer, nullptr);
    // 100 bytes of 44100 Hz 16-bit stereo are 25 frames, which last as long in the device's format.
    int rate = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
    EXPECT_EQ(SoundSlots[1].buffer->alen, Uint32(25 * rate / 44100 * channels * SDL_AUDIO_BITSIZE(format) / 8));
    EXPECT_EQ(PlaySoundSlot(1, 0), 1);
    EXPECT_EQ(Mix_Playing(1), 1);
}

TEST_F(Sound, FailedLoadsLeaveTheSlotFree) {
    WaveSpec adpcm;
    adpcm.formatTag = 2;
    EXPECT_EQ(Load(Wave(adpcm)), -1);
    EXPECT_EQ(SoundSlots[0].state, SOUND_FREE);
    EXPECT_EQ(Load({'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}), -1);
    EXPECT_EQ(LoadWaveFile("missing.wav", 0), -1);
    EXPECT_EQ(SoundSlots[0].state, SOUND_FREE);
    EXPECT_EQ(Load(Wave()), 0);
}

TEST_F(Sound, FullTableRefusesWithoutTouchingTheFile) {
    for (SoundSlot& slot : SoundSlots) slot.state = SOUND_LOADED;
    EXPECT_EQ(Load(Wave()), -1);
    SoundSlots[200].state = SOUND_FREE;
    EXPECT_EQ(Load(Wave()), 200);
}

TEST_F(Sound, SlotNumbersOutsideTheTableAreHarmless) {
    EXPECT_EQ(PlaySoundSlot(-1, 0), 0);
    EXPECT_EQ(PlaySoundSlot(MaxSoundSlots, 0), 0);
    EXPECT_EQ(PlaySoundSlot(7, 0), 1);  // a slot with no sound stays silent
    EXPECT_EQ(StopSoundSlot(-1), 1);
    EXPECT_EQ(DeleteSoundSlot(-1), 1);
    ASSERT_EQ(Load(Wave()), 0);
    EXPECT_EQ(DeleteSoundSlot(0), 1);
    EXPECT_EQ(DeleteSoundSlot(0), 1);
    EXPECT_EQ(SoundSlots[0].buffer, nullptr);
    EXPECT_EQ(PlaySoundSlot(0, 0), 1);
}

namespace {

// The first sample of every block the mixer hands the device.
std::atomic<int> blocks{0};
int16_t firstSample[4096];

void Listen(void*, Uint8* stream, int) {
    const int n = blocks.load();
    if (n < 4096) firstSample[n] = *reinterpret_cast<int16_t*>(stream);
    blocks.store(n + 1);
}

// The device takes a block every 512 frames (about 12 ms) in real time: waits until it has taken
// more than `after`, and returns the count then.
int WaitForBlock(int after) {
    EXPECT_TRUE(WaitFor([after] { return blocks.load() > after; })) << "the device took no block after " << after;
    return blocks.load();
}

}  // namespace

TEST_F(Sound, ReplayingASlotRestartsItFromTheBeginning) {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    if (format != AUDIO_S16SYS) GTEST_SKIP() << "device format is not 16-bit";
    // A loud first half (positive samples) and a quiet, negative second half, a second long.
    WaveSpec spec;
    spec.data = std::vector<uint8_t>(11025, 16);
    std::fill(spec.data.begin(), spec.data.begin() + 5000, 240);
    const int slot = Load(Wave(spec));
    ASSERT_EQ(slot, 0);
    Mix_SetPostMix(Listen, nullptr);
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
    int seen = 0;
    bool inSecondHalf = false;
    for (int tries = 0; tries < 500 && !inSecondHalf; ++tries) {
        seen = WaitForBlock(seen);
        inSecondHalf = seen > 0 && seen <= 4096 && firstSample[seen - 1] < 0;
    }
    ASSERT_TRUE(inSecondHalf) << "the sound never reached its second half";
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
    const int atReplay = blocks.load();
    WaitForBlock(atReplay);
    ASSERT_LT(atReplay, 4096);
    EXPECT_GT(firstSample[atReplay], 0) << "the replay did not start from the beginning";
    int playing = 0;
    for (int channel = 0; channel < MaxSoundSlots; ++channel) playing += Mix_Playing(channel);
    EXPECT_EQ(playing, 1);  // restarted, not layered
    Mix_SetPostMix(nullptr, nullptr);
}

TEST_F(Sound, PausedSoundsKeepTheirPlaceAndGoOnWhenResumed) {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    if (format != AUDIO_S16SYS) GTEST_SKIP() << "device format is not 16-bit";
    // Half a second of one loud positive level: every block it is mixed into starts above zero.
    WaveSpec spec;
    spec.data = std::vector<uint8_t>(5512, 240);
    ASSERT_EQ(Load(Wave(spec)), 0);
    blocks.store(0);
    Mix_SetPostMix(Listen, nullptr);
    ASSERT_EQ(PlaySoundSlot(0, 0), 1);
    int seen = WaitForBlock(WaitForBlock(0));
    ASSERT_LE(seen, 4096);
    ASSERT_GT(firstSample[seen - 1], 0);

    PauseSounds();
    EXPECT_EQ(Mix_Paused(0), 1);
    EXPECT_EQ(Mix_PausedMusic(), 1);  // no music loaded: harmless, and held all the same
    // Paused for longer than the whole sound lasts (43 blocks): the blocks are silent and it does not end.
    seen = WaitForBlock(blocks.load() + 60);
    ASSERT_LE(seen, 4096);
    EXPECT_EQ(firstSample[seen - 1], 0);
    EXPECT_EQ(Mix_Playing(0), 1);

    ResumeSounds();
    EXPECT_EQ(Mix_Paused(0), 0);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    seen = WaitForBlock(WaitForBlock(blocks.load()));
    ASSERT_LE(seen, 4096);
    EXPECT_GT(firstSample[seen - 1], 0) << "the sound did not go on after the pause";
    Mix_SetPostMix(nullptr, nullptr);
}

TEST(SoundDevice, StartsAgainAfterShutdown) {
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(ShutdownSound(), 1);
    EXPECT_EQ(LoadWaveFile("anything.wav", 0), -1);  // no device
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(ShutdownSound(), 1);
}

// No sound device where SDL looks: the game still starts, on the dummy device, and can say why.
TEST(SoundDevice, WithoutADeviceItPlaysSilentAndSaysWhy) {
    ASSERT_EQ(InitSound(), 1);
    EXPECT_STREQ(SilentSoundReason(), "");  // the dummy driver the tests ask for is a device
    EXPECT_EQ(ShutdownSound(), 1);
    SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ASSERT_EQ(InitSound(), 1);
    EXPECT_NE(std::string(SilentSoundReason()).find("no-such-driver"), std::string::npos) << SilentSoundReason();
    EXPECT_GE(LoadWaveFile("Fire.wav", 0), 0);
    EXPECT_EQ(ShutdownSound(), 1);
}
