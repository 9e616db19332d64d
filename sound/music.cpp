// The idle music service: the game plays no music, so start-up only prepares an empty table.
#include "sound/music.h"

#include <SDL_mixer.h>

MusicSlot MusicSlots[MaxMusicSlots];
int ActiveMusicId = -1;

int InitMusic() {
    for (int i = 0; i < MaxMusicSlots; ++i) MusicSlots[i] = MusicSlot{nullptr, 0, i};
    ActiveMusicId = -1;
    return 1;
}

int UnloadAllMusic() {
    for (MusicSlot& slot : MusicSlots) {
        if (slot.segment) Mix_FreeMusic(slot.segment);
        slot.segment = nullptr;
        slot.state = 0;
    }
    return 1;
}
