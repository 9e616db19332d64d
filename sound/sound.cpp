#include "sound/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "sound/wave_file.h"

SoundSlot SoundSlots[MaxSoundSlots];

namespace {

constexpr long MaxWaveFileSize = 4 << 20;  // minutes of 8-bit 11025 Hz sound: far beyond any effect

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
    if (!OpenMixer()) {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!OpenMixer()) return false;
    }
    Mix_AllocateChannels(MaxSoundSlots);  // one channel per slot
    Mix_QuerySpec(&deviceRate, &deviceFormat, &deviceChannels);
    return true;
}

bool ValidSlot(int slot) { return slot >= 0 && slot < MaxSoundSlots; }

bool ReadFile(const char* name, std::vector<uint8_t>* bytes) {
    FILE* file = std::fopen(name, "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long length = ok ? std::ftell(file) : -1;
    ok = length > 0 && length <= MaxWaveFileSize && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize(static_cast<size_t>(length));
        ok = std::fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
    }
    std::fclose(file);
    return ok;
}

// The sound bytes are 8-bit mono 11025 Hz whatever the file says; they are converted once
// to the device's format and kept in the slot, which the chunk plays without owning.
bool MakeChunk(SoundSlot& slot, const WaveData& wave) {
    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, AUDIO_U8, 1, 11025, deviceFormat, deviceChannels, deviceRate);
    if (needed < 0) return false;
    const size_t capacity = static_cast<size_t>(wave.size) * static_cast<size_t>(cvt.len_mult);
    auto* samples = new (std::nothrow) uint8_t[capacity];
    if (!samples) return false;
    std::memcpy(samples, wave.data, wave.size);
    cvt.buf = samples;
    cvt.len = static_cast<int>(wave.size);
    if (needed == 1 && SDL_ConvertAudio(&cvt) != 0) {
        delete[] samples;
        return false;
    }
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(samples, static_cast<Uint32>(needed ? cvt.len_cvt : cvt.len));
    if (!chunk) {
        delete[] samples;
        return false;
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

int LoadWaveFile(const char* fileName, int /*controlFlags: no volume, pan or frequency control is used*/) {
    int index = 0;
    while (index < MaxSoundSlots && SoundSlots[index].state != SOUND_FREE) ++index;
    if (index == MaxSoundSlots || !fileName || !deviceOpen) return -1;
    std::vector<uint8_t> bytes;
    WaveData wave;
    if (!ReadFile(fileName, &bytes) || !ParseWave(bytes.data(), bytes.size(), &wave)) return -1;
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
    return index;
}

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
