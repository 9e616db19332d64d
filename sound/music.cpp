// The music service on SDL_mixer's music channel; pieces load from their files when first wanted.
#include "sound/music.h"

#include <SDL_mixer.h>

#include <cstdio>

MusicSlot MusicSlots[MaxMusicSlots];
int ActiveMusicId = -1;
bool MusicOn = true;

namespace {

constexpr const char* MusicFiles[MusicPieces] = {
    "MusicTitle.ogg", "MusicLand1.ogg", "MusicLand2.ogg", "MusicLand3.ogg",
    "MusicLand4.ogg", "MusicLand5.ogg", "MusicWin.ogg",
};

int WantedMusic = MusicNone;   // asked for during this pass
int StartedMusic = MusicNone;  // acted on last; a piece played once is not started again

bool ValidPiece(int piece) { return piece >= 0 && piece < MusicPieces; }

void ApplyVolume() { Mix_VolumeMusic(MusicOn ? MusicVolume : 0); }

void StartPiece(int piece)
{
    ActiveMusicId = -1;
    Mix_HaltMusic();
    if (!ValidPiece(piece)) return;
    MusicSlot& slot = MusicSlots[piece];
    if (slot.state == MUSIC_FREE) LoadMusicFile(piece, MusicFiles[piece]);
    if (slot.state != MUSIC_LOADED) return;
    // A piece that starts while the game is paused waits for the pause to end like the rest.
    const bool paused = Mix_PausedMusic() != 0;
    if (Mix_PlayMusic(slot.segment, piece == MusicWin ? 0 : -1) != 0) return;  // 0: once
    if (paused) Mix_PauseMusic();
    ApplyVolume();
    ActiveMusicId = piece;
}

}  // namespace

int InitMusic()
{
    UnloadAllMusic();
    for (int i = 0; i < MaxMusicSlots; ++i) MusicSlots[i] = MusicSlot{nullptr, MUSIC_FREE, i};
    ActiveMusicId = -1;
    WantedMusic = MusicNone;
    StartedMusic = MusicNone;
    MusicOn = true;
    return 1;
}

int UnloadAllMusic()
{
    for (MusicSlot& slot : MusicSlots) {
        if (slot.segment) Mix_FreeMusic(slot.segment);  // halts it first when it is playing
        slot.segment = nullptr;
        slot.state = MUSIC_FREE;
    }
    ActiveMusicId = -1;
    return 1;
}

const char* MusicFileName(int piece) { return ValidPiece(piece) ? MusicFiles[piece] : nullptr; }

int LoadMusicFile(int slot, const char* fileName)
{
    if (slot < 0 || slot >= MaxMusicSlots || !fileName) return 0;
    MusicSlot& entry = MusicSlots[slot];
    if (entry.segment) Mix_FreeMusic(entry.segment);
    entry.segment = Mix_LoadMUS(fileName);
    entry.state = entry.segment ? MUSIC_LOADED : MUSIC_FAILED;
    if (!entry.segment) {
        std::fprintf(stderr, "quorax: no music from \"%s\" (%s); the game goes on without that piece\n", fileName,
                     Mix_GetError());
    }
    return entry.segment ? 1 : 0;
}

void PlayMusic(int piece) { WantedMusic = ValidPiece(piece) ? piece : MusicNone; }

void PlayLandMusic(int segment)
{
    if (segment >= 1 && segment <= 5) PlayMusic(MusicLand1 + segment - 1);
}

void UpdateMusic()
{
    if (WantedMusic != StartedMusic) {
        StartedMusic = WantedMusic;
        StartPiece(WantedMusic);
    }
    if (ActiveMusicId >= 0 && !Mix_PlayingMusic()) ActiveMusicId = -1;  // a piece played once has ended
}

void ToggleMusic()
{
    MusicOn = !MusicOn;
    ApplyVolume();
}
