#pragma once
// The music service: start-up opens it and shutdown unloads its slots. The game loads no music,
// so the table stays empty for the whole run.

typedef struct _Mix_Music Mix_Music;  // as SDL_mixer declares it

constexpr int MaxMusicSlots = 64;

struct MusicSlot {
    Mix_Music* segment = nullptr;
    int state = 0;
    int id = 0;
};

extern MusicSlot MusicSlots[MaxMusicSlots];
extern int ActiveMusicId;

int InitMusic();
int UnloadAllMusic();
