#include "sound/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "sound/wave_file.h"

SoundSlot SoundSlots[MaxSoundSlots];

namespace {

constexpr long MaxWaveFileSize = 4 << 20;  // 23 s of 16-bit stereo 44.1 kHz sound: far beyond any effect

char ErrorText[160] = "";
char SilentReason[160] = "";
bool SoundFirstInit = true;
bool deviceOpen = false;
int deviceRate = 0;
Uint16 deviceFormat = 0;
int deviceChannels = 0;

bool OpenMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 512) == 0) return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

// A player without a sound device still gets the game, silent, through SDL's dummy driver.
bool OpenDevice() {
    SilentReason[0] = '\0';
    if (!OpenMixer()) {
        std::snprintf(SilentReason, sizeof SilentReason, "%s", SDL_GetError());
        if (!SilentReason[0]) std::snprintf(SilentReason, sizeof SilentReason, "no driver could open one");
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!OpenMixer()) return false;
    }
    Mix_AllocateChannels(MaxSoundSlots);  // one channel per slot
    Mix_QuerySpec(&deviceRate, &deviceFormat, &deviceChannels);
    return true;
}

bool ValidSlot(int slot) { return slot >= 0 && slot < MaxSoundSlots; }

bool Refuse(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(ErrorText, sizeof ErrorText, format, args);
    va_end(args);
    return false;
}

bool ReadFile(const char* name, std::vector<uint8_t>* bytes) {
    FILE* file = std::fopen(name, "rb");
    if (!file) return Refuse("cannot open the file (%s)", std::strerror(errno));
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long length = ok ? std::ftell(file) : -1;
    ok = length > 0 && length <= MaxWaveFileSize && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize(static_cast<size_t>(length));
        ok = std::fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
    }
    std::fclose(file);
    if (!ok) {
        return length > MaxWaveFileSize ? Refuse("the file is larger than %ld MB", MaxWaveFileSize >> 20)
                                        : Refuse("cannot read the file");
    }
    return true;
}

// What the file holds must be a format SDL can convert from: 8-bit unsigned or 16-bit signed
// samples, one or two channels, a rate above zero.
bool CheckSampleFormat(const WaveData& wave)
{
    if (wave.bits != 8 && wave.bits != 16) return Refuse("%d-bit samples are not supported", wave.bits);
    if (wave.channels != 1 && wave.channels != 2) return Refuse("%d channels are not supported", wave.channels);
    if (wave.rate <= 0) return Refuse("a sample rate of %d Hz is not supported", wave.rate);
    return true;
}

// The samples are converted once from the file's own format to the device's and kept in the
// slot, which the chunk plays without owning.
bool MakeChunk(SoundSlot& slot, const WaveData& wave)
{
    SDL_AudioCVT cvt;
    const SDL_AudioFormat format = wave.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    const int needed = SDL_BuildAudioCVT(&cvt, format, static_cast<Uint8>(wave.channels), wave.rate, deviceFormat,
                                         static_cast<Uint8>(deviceChannels), deviceRate);
    if (needed < 0) return Refuse("SDL cannot convert its samples (%s)", SDL_GetError());
    // Only whole sample frames can be converted; a torn last frame is dropped.
    const uint32_t frameBytes = static_cast<uint32_t>(wave.channels * wave.bits / 8);
    const uint32_t size = wave.size - wave.size % frameBytes;
    if (size == 0) return Refuse("its data chunk holds less than one sample");
    const size_t capacity = static_cast<size_t>(size) * static_cast<size_t>(cvt.len_mult);
    auto* samples = new (std::nothrow) uint8_t[capacity];
    if (!samples) return Refuse("there is not enough memory for its samples");
    std::memcpy(samples, wave.data, size);
    cvt.buf = samples;
    cvt.len = static_cast<int>(size);
    if (needed == 1 && SDL_ConvertAudio(&cvt) != 0) {
        delete[] samples;
        return Refuse("SDL cannot convert its samples (%s)", SDL_GetError());
    }
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(samples, static_cast<Uint32>(needed ? cvt.len_cvt : cvt.len));
    if (!chunk) {
        delete[] samples;
        return Refuse("the mixer cannot take its samples (%s)", Mix_GetError());
    }
    slot.buffer = chunk;
    slot.samples = samples;
    return true;
}

}  // namespace

int InitSound() {
    if (SoundFirstInit) {
        for (SoundSlot& slot : SoundSlots) slot = SoundSlot{};
        SoundFirstInit = false;
        deviceOpen = OpenDevice();
        if (!deviceOpen) return 0;
    }
    for (int i = 0; i < MaxSoundSlots; ++i) {
        DeleteSoundSlot(i);
        SoundSlots[i] = SoundSlot{};
        SoundSlots[i].id = i;
    }
    return 1;
}

const char* SilentSoundReason() { return SilentReason; }

int LoadWaveFile(const char* fileName, int /*controlFlags: no volume, pan or frequency control is used*/) {
    int index = 0;
    while (index < MaxSoundSlots && SoundSlots[index].state != SOUND_FREE) ++index;
    if (index == MaxSoundSlots) {
        Refuse("every sound slot is taken");
        return -1;
    }
    if (!fileName) {
        Refuse("there is no file");
        return -1;
    }
    if (!deviceOpen) {
        Refuse("there is no sound device");
        return -1;
    }
    std::vector<uint8_t> bytes;
    WaveData wave;
    const char* fault = nullptr;
    if (!ReadFile(fileName, &bytes)) return -1;
    if (!ParseWave(bytes.data(), bytes.size(), &wave, &fault)) {
        Refuse("%s", fault);
        return -1;
    }
    if (!CheckSampleFormat(wave)) return -1;
    SoundSlot& slot = SoundSlots[index];
    slot.rate = wave.rate;
    slot.size = static_cast<int>(wave.size);
    slot.state = SOUND_LOADED;
    if (!MakeChunk(slot, wave)) {
        // A slot that holds no sound is given back.
        slot = SoundSlot{};
        slot.id = index;
        return -1;
    }
    ErrorText[0] = '\0';
    return index;
}

const char* SoundFileError() { return ErrorText; }

int PlaySoundSlot(int slot, int /*playFlags: every sound plays once*/) {
    if (!ValidSlot(slot)) return 0;
    if (!SoundSlots[slot].buffer) return 1;
    // On its own channel, playing again restarts the sound instead of layering a second copy.
    return Mix_PlayChannel(slot, SoundSlots[slot].buffer, 0) == slot ? 1 : 0;
}

int StopSoundSlot(int slot) {
    if (ValidSlot(slot) && SoundSlots[slot].buffer) Mix_HaltChannel(slot);
    return 1;
}

int StopAllSounds() {
    for (int i = 0; i < MaxSoundSlots; ++i) StopSoundSlot(i);
    return 1;
}

int DeleteSoundSlot(int slot) {
    if (!ValidSlot(slot)) return 1;
    StopSoundSlot(slot);
    SoundSlot& entry = SoundSlots[slot];
    if (entry.buffer) {
        Mix_FreeChunk(entry.buffer);
        delete[] entry.samples;  // the chunk only borrowed it
        entry.buffer = nullptr;
        entry.samples = nullptr;
    }
    return 1;
}

int DeleteAllSounds() {
    for (int i = 0; i < MaxSoundSlots; ++i) DeleteSoundSlot(i);
    return 1;
}

int ShutdownSound() {
    StopAllSounds();
    DeleteAllSounds();
    if (deviceOpen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    deviceOpen = false;
    SoundFirstInit = true;
    return 1;
}

// The music is held too, so that it keeps still with a paused game whatever plays it.
void PauseSounds() {
    if (!deviceOpen) return;
    Mix_Pause(-1);
    Mix_PauseMusic();
}

void ResumeSounds() {
    if (!deviceOpen) return;
    Mix_Resume(-1);
    Mix_ResumeMusic();
}
