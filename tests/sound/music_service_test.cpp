// The music service inside the running game, driven through the simulator: which piece plays
// after each screen and land change, the M key, a missing or broken file, and the pause.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <filesystem>

#include "sound/music.h"
#include "sound/sound.h"
#include "tests/game/play_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/wait_for.h"

namespace {

using Music = Play;

constexpr int LandSwitches[] = {7000, 15200, 22700, 30400};  // where lands 2 to 5 show their tiles

double PositionOfPlayingPiece() { return Mix_GetMusicPosition(MusicSlots[ActiveMusicId].segment); }

int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

}  // namespace

TEST_F(Music, TitleThemeFollowsTheVoiceAndGoesOnThroughTheStory)
{
    EXPECT_EQ(ActiveMusicId, -1);
    RunPasses(1);
    ASSERT_EQ(ActiveMusicId, MusicTitle);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_TRUE(Mix_Playing(VoiceSound)) << "the music must not cut the voice short";
    EXPECT_EQ(Mix_VolumeMusic(-1), MusicVolume);
    // The device plays in real time: the piece gets under way.
    ASSERT_TRUE(WaitFor([] { return PositionOfPlayingPiece() > 0.1; })) << "at " << PositionOfPlayingPiece() << " s";
    const double before = PositionOfPlayingPiece();
    RunPasses(2, {DIK_F5});
    EXPECT_EQ(GameState, GameStateStory);
    RunPasses(2, {DIK_RETURN});
    EXPECT_EQ(GameState, GameStateTitle);
    RunPasses(2);
    EXPECT_EQ(ActiveMusicId, MusicTitle);
    EXPECT_GE(PositionOfPlayingPiece(), before) << "the title's theme started again";
}

TEST_F(Music, EachLandsThemeStartsInTheFrameItsTilesComeOnScreen)
{
    Start(DIK_F1);
    EXPECT_EQ(ActiveMusicId, MusicLand1);  // from the title pass that starts play: a new game shows land 1
    ClearEnemies();
    for (int land = 2; land <= 5; ++land) {
        MoveTo(LandSwitches[land - 2] - 1);
        Frames(1);
        EXPECT_EQ(ActiveMusicId, MusicLand1 + land - 2) << "before land " << land;
        MoveTo(LandSwitches[land - 2]);
        Frames(1);
        EXPECT_TRUE(TileSetLoaded[land - 2]);
        EXPECT_EQ(ActiveMusicId, MusicLand1 + land - 1) << "land " << land;
        EXPECT_TRUE(Mix_PlayingMusic());
    }
}

TEST_F(Music, AJumpFromTheTitlePlaysTheLandItLandsIn)
{
    RunPasses(1, {DIK_F4});
    EXPECT_EQ(ActiveMusicId, MusicLand1 + 3);
    ASSERT_TRUE(WaitFor([] { return PositionOfPlayingPiece() > 0.1; })) << "at " << PositionOfPlayingPiece() << " s";
    const double before = PositionOfPlayingPiece();
    // The first game frame loads the tile sets of lands 2, 3 and 4 in turn: land 4's theme goes on.
    Frames(1);
    EXPECT_TRUE(TileSetLoaded[0] && TileSetLoaded[1] && TileSetLoaded[2]);
    EXPECT_EQ(ActiveMusicId, MusicLand1 + 3);
    EXPECT_GE(PositionOfPlayingPiece(), before);
}

TEST_F(Music, DeathFallsSilentAndTheNextGameStartsWithItsOwnLand)
{
    Start(DIK_F1);
    MoveTo(LandSwitches[1]);
    Frames(1);
    ASSERT_EQ(ActiveMusicId, MusicLand1 + 2);
    HeroHealth = 0;
    Frames(1);
    ASSERT_EQ(GameState, GameStateDeath);
    EXPECT_EQ(ActiveMusicId, MusicLand1 + 2);  // the land plays until the death picture shows
    Frames(1);
    EXPECT_EQ(ActiveMusicId, -1);
    EXPECT_FALSE(Mix_PlayingMusic());
    RunPasses(1, {DIK_RETURN});
    RunPasses(1);
    EXPECT_EQ(ActiveMusicId, MusicTitle);
    // F2 puts land 1's tiles back for the new game, then jumps on: land 2's theme, not land 1's.
    RunPasses(1, {DIK_F2});
    EXPECT_EQ(ActiveMusicId, MusicLand1 + 1);
}

TEST_F(Music, TheWinFanfarePlaysOnceOnTheWinScreen)
{
    Start(DIK_F1);
    WorldPosition = 32300;
    Frames(1);
    ASSERT_EQ(GameState, GameStateWin);
    Frames(1);
    EXPECT_EQ(ActiveMusicId, MusicWin);
    EXPECT_TRUE(Mix_PlayingMusic());
    // Its end (here made at once) leaves silence: the screen does not start it again.
    Mix_HaltMusic();
    Frames(3);
    EXPECT_EQ(ActiveMusicId, -1);
    EXPECT_FALSE(Mix_PlayingMusic());
    RunPasses(1, {DIK_RETURN});
    RunPasses(1);
    EXPECT_EQ(ActiveMusicId, MusicTitle);
}

TEST_F(Music, MSwitchesTheMusicOncePerPressOnEveryScreenAndLeavesTheEffects)
{
    RunPasses(1);
    RunPasses(2, {DIK_M});  // held for two frames: one switch
    EXPECT_FALSE(MusicOn);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    EXPECT_EQ(ActiveMusicId, MusicTitle);  // still running, unheard
    EXPECT_EQ(GameState, GameStateTitle);
    EXPECT_EQ(Mix_Volume(-1, -1), MIX_MAX_VOLUME);
    RunPasses(1, {DIK_F1});
    EXPECT_EQ(ActiveMusicId, MusicLand1);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0) << "a new piece keeps the music off";
    // In play, M changes nothing of the game.
    ClearEnemies();
    Frames(1, {DIK_RIGHT});
    const int position = WorldPosition;
    Frames(1, {DIK_RIGHT, DIK_M});
    EXPECT_TRUE(MusicOn);
    EXPECT_EQ(Mix_VolumeMusic(-1), MusicVolume);
    EXPECT_EQ(WorldPosition, position + 4);
    EXPECT_EQ(PlaySoundSlot(FireSound, 0), 1);
    EXPECT_TRUE(Mix_Playing(FireSound));
    EXPECT_EQ(Mix_Volume(FireSound, -1), MIX_MAX_VOLUME);
    // And on the death screen.
    HeroHealth = 0;
    Frames(2);
    ASSERT_EQ(GameState, GameStateDeath);
    RunPasses(1, {DIK_M});
    EXPECT_FALSE(MusicOn);
}

TEST_F(Music, APieceStartedDuringAPauseWaitsForItsEnd)
{
    Start(DIK_F1);
    Mix_PauseMusic();
    MoveTo(LandSwitches[0]);
    Frames(1);
    EXPECT_EQ(ActiveMusicId, MusicLand1 + 1);
    EXPECT_TRUE(Mix_PausedMusic());
    RunPasses(2, {DIK_M});  // M does not end a pause either
    EXPECT_TRUE(Mix_PausedMusic());
    Mix_ResumeMusic();
    EXPECT_FALSE(Mix_PausedMusic());
}

TEST_F(Music, UnloadingFreesEveryPieceAndMayRunAgain)
{
    Start(DIK_F1);
    ASSERT_EQ(MusicSlots[MusicLand1].state, MUSIC_LOADED);
    EXPECT_EQ(UnloadAllMusic(), 1);
    EXPECT_EQ(UnloadAllMusic(), 1);
    for (const MusicSlot& slot : MusicSlots) {
        EXPECT_EQ(slot.segment, nullptr);
        EXPECT_EQ(slot.state, MUSIC_FREE);
    }
    EXPECT_EQ(ActiveMusicId, -1);
    EXPECT_FALSE(Mix_PlayingMusic());
}

// The game in a folder of its own where land 2's file is missing and land 3's is not music.
class MusicFilesBroken : public Play {
protected:
    void SetUp() override
    {
        const auto source = std::filesystem::current_path();
        for (const auto& entry : std::filesystem::directory_iterator(source)) {
            const std::string name = entry.path().filename().string();
            if (name == "MusicLand2.ogg" || name == "MusicLand3.ogg") continue;
            Mirror(entry.path(), folder_ / name);
        }
        WriteText(folder_ / "MusicLand3.ogg", "OggS, but not really");
        folder_.Enter();
        Play::SetUp();
    }

    ScratchFolder folder_;
};

TEST_F(MusicFilesBroken, ThatPieceStaysSilentWithOneLineAndNothingElseChanges)
{
    testing::internal::CaptureStderr();
    Start(DIK_F1);
    EXPECT_EQ(ActiveMusicId, MusicLand1);
    ClearEnemies();
    MoveTo(LandSwitches[0]);
    Frames(20);
    EXPECT_EQ(GameState, GameStatePlay);
    EXPECT_TRUE(TileSetLoaded[0]);
    EXPECT_EQ(ActiveMusicId, -1);
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(MusicSlots[MusicLand1 + 1].state, MUSIC_FAILED);
    MoveTo(LandSwitches[1]);
    Frames(20);
    EXPECT_TRUE(TileSetLoaded[1]);
    EXPECT_EQ(ActiveMusicId, -1);
    MoveTo(LandSwitches[2]);
    Frames(1);
    EXPECT_EQ(ActiveMusicId, MusicLand1 + 3);  // the next land's theme plays as ever
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(errors), 2) << errors;
    EXPECT_NE(errors.find("\"MusicLand2.ogg\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("\"MusicLand3.ogg\""), std::string::npos) << errors;
}
