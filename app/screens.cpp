// The title, story, death and win screens: one full-screen picture each and the keys that leave.
#include "app/screens.h"

#include "display/display.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "input/window_messages.h"
#include "sound/music.h"
#include "sound/sound.h"

bool VoicePlayed = false;

namespace {

struct SegmentJump {
    int key;
    int segment;
    int worldShift;
    int viewShift;
};

// Starting further on moves the whole world forward; the hero's shot moves by 4 only.
constexpr SegmentJump SegmentJumps[] = {
    {VK_F2, 2, 7064, 192},
    {VK_F3, 3, 15264, 0},
    {VK_F4, 4, 22764, 128},
};

void JumpToSegment(const SegmentJump& jump)
{
    SegmentNumber = jump.segment;
    WorldPosition += jump.worldShift;
    ViewOffsetY += jump.viewShift;
    HeroShotObject.posX -= 4.0f;
    ShiftEnemyObjectsX(jump.worldShift);
}

void ShowPicture(BlitterObject* picture)
{
    FillSurface(TheDisplay.backSurface, 0, nullptr);
    DrawBlitterObject(picture, TheDisplay.backSurface);
    FlipDisplay();
}

// Story, death and win: Enter goes back to the title.
int PictureScreenFrame(BlitterObject* picture, int music)
{
    PlayMusic(music);
    if (KeyDownNow(VK_ESCAPE)) PostWindowMessage(WM_DESTROY);
    if (KeyDownNow(VK_RETURN)) GameState = GameStateTitle;
    ShowPicture(picture);
    return 1;
}

}  // namespace

int TitleScreenFrame()
{
    if (!VoicePlayed) {
        PlaySoundSlot(VoiceSound, 0);
        VoicePlayed = true;
    }
    PlayMusic(MusicTitle);  // after the voice: it opens softly, so the voice stays clear
    if (KeyDownNow(VK_ESCAPE)) PostWindowMessage(WM_DESTROY);
    if (KeyDownNow(VK_F1) || KeyDownNow(VK_F2) || KeyDownNow(VK_F3) || KeyDownNow(VK_F4)) StartNewGame();
    if (KeyDownNow(VK_F1)) {
        SegmentNumber = 1;
        GameState = GameStatePlay;
    }
    for (const SegmentJump& jump : SegmentJumps) {
        if (KeyDownNow(jump.key)) {
            JumpToSegment(jump);
            GameState = GameStatePlay;
        }
    }
    if (KeyDownNow(VK_F5)) GameState = GameStateStory;
    // The land play starts in; a jump's tile set follows in the first game frame, with the same theme.
    if (GameState == GameStatePlay) PlayLandMusic(SegmentNumber);
    ShowPicture(&TitlePicture);
    return 1;
}

// The story keeps the title's theme going; death falls silent; the win fanfare plays once.
int StoryScreenFrame() { return PictureScreenFrame(&StoryPicture, MusicTitle); }

int DeathScreenFrame() { return PictureScreenFrame(&DeathPicture, MusicNone); }

int WinScreenFrame() { return PictureScreenFrame(&WinPicture, MusicWin); }
