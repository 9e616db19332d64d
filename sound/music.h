#pragma once
// The music service: 64 slots of pieces loaded from Ogg Vorbis files and the one playing, on
// SDL_mixer's music channel. Screens and the land switch name the piece that should sound; the
// main loop starts it once a pass, so several requests in one frame (a jump over three lands)
// cost one start, and a request repeated every frame changes nothing.

typedef struct _Mix_Music Mix_Music;  // as SDL_mixer declares it

constexpr int MaxMusicSlots = 64;

constexpr int MUSIC_FREE = 0;
constexpr int MUSIC_LOADED = 1;
constexpr int MUSIC_FAILED = 2;  // its file was missing or unreadable: the piece stays silent

// Pieces, each in the slot of its number.
constexpr int MusicNone = -1;
constexpr int MusicTitle = 0;  // the title and the story
constexpr int MusicLand1 = 1;  // lands 1 to 5: MusicLand1 .. MusicLand1 + 4
constexpr int MusicWin = 6;    // played once
constexpr int MusicPieces = 7;

// Music level of MIX_MAX_VOLUME (128): the pieces are rendered at -20 dB RMS, so the music
// sounds at -26 dB, more than 6 dB under the quietest effect, the hero's voice (-17.6 dB).
constexpr int MusicVolume = 64;

struct MusicSlot {
    Mix_Music* segment = nullptr;
    int state = MUSIC_FREE;
    int id = 0;
};

extern MusicSlot MusicSlots[MaxMusicSlots];
extern int ActiveMusicId;  // the piece playing; -1 = none (also once a piece played once has ended)
extern bool MusicOn;       // M switches it; off keeps the piece running unheard

int InitMusic();       // an empty table, music on; always 1: the game plays without music too
int UnloadAllMusic();  // frees every loaded piece; always 1

// "MusicTitle.ogg", "MusicLand1.ogg" .. "MusicLand5.ogg", "MusicWin.ogg"; nullptr for no piece.
const char* MusicFileName(int piece);
// Loads the file into the slot: 1, or 0 with one line on stderr and the slot marked failed.
int LoadMusicFile(int slot, const char* fileName);

// The piece that sounds from the end of this main-loop pass on (MusicNone: silence).
void PlayMusic(int piece);
// The theme of land 1 to 5, from the frame its tile set comes on screen.
void PlayLandMusic(int segment);
// Once a pass: starts the requested piece when it differs from the one last started.
void UpdateMusic();
// M: music off (silent, still running, so switching on again goes on where it was) or on.
void ToggleMusic();
