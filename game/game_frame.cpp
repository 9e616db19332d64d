#include "game/game_frame.h"

#include "display/display.h"
#include "game/assets.h"
#include "game/backdrop.h"
#include "game/enemies.h"
#include "game/game_state.h"
#include "game/hero.h"
#include "game/level_map.h"
#include "game/new_game.h"
#include "game/segments.h"
#include "game/status_line.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "input/window_messages.h"

int GameFrame()
{
    if (KeyDownNow(VK_ESCAPE)) PostWindowMessage(WM_DESTROY);
    FillSurface(TheDisplay.backSurface, 0, nullptr);
    ReadKeyboard();
    AnimateHero = false;
    if (!SegmentProgression()) return 0;
    BetweenSegments = InGateWindow(WorldPosition);

    HeroInputStep();
    DrawBackdrop();  // first on the cleared buffer: the shot, the map and the sprites all stand in front of it
    HeroShotStep();  // before the map, whose tiles cover the shot except where they are clear
    DrawLevelMap();
    if (AnimateHero) AnimateBlitterObject(&HeroObject);
    HeroJumpStep();
    BlockWalkLeft = false;
    BlockWalkRight = false;
    RunEnemyPass();
    HeroGroundStep();
    HeroTileTests();
    DrawBlitterObject(&HeroObject, TheDisplay.backSurface);
    DrawStatusLine();

    FlipDisplay();

    if (HeroHealth <= 0) {
        GameState = GameStateDeath;
        HeroHealth = 100;
        ClearHeroMotion();
        WorldReset();
    }
    if (WorldPosition >= WinPosition) GameState = GameStateWin;
    return 1;
}
