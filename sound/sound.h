#pragma once
// Sound effects: a table of 256 slots, each one loaded WAVE sound on a mixer channel of its own,
// so playing a slot again restarts it while different slots mix.
#include <cstdint>

struct Mix_Chunk;

constexpr int SOUND_FREE = 0;
constexpr int SOUND_LOADED = 1;
constexpr int MaxSoundSlots = 256;

constexpr int DSBCAPS_CTRLFREQUENCY = 0x20;
constexpr int DSBCAPS_CTRLPAN = 0x40;
constexpr int DSBCAPS_CTRLVOLUME = 0x80;

struct SoundSlot {
    Mix_Chunk* buffer = nullptr;
    int state = SOUND_FREE;
    int rate = 0;
    int size = 0;
    int id = 0;
    uint8_t* samples = nullptr;  // the converted samples the chunk plays; owned by the slot
};

extern SoundSlot SoundSlots[MaxSoundSlots];

int InitSound();
// Empty while a real sound device plays; otherwise why none could be opened, the game then playing
// silent on SDL's dummy device.
const char* SilentSoundReason();
// Loads an 8- or 16-bit PCM WAVE file of one or two channels at any rate, converted to the
// device's format; `rate` keeps the file's own. The slot number, or -1 (SoundFileError says why).
int LoadWaveFile(const char* fileName, int controlFlags);
const char* SoundFileError();
int PlaySoundSlot(int slot, int playFlags);
int StopSoundSlot(int slot);
int StopAllSounds();
int DeleteSoundSlot(int slot);
int DeleteAllSounds();
int ShutdownSound();

// Holds every playing sound effect and the music where they are, and lets them go on.
void PauseSounds();
void ResumeSounds();
