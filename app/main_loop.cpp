#include "app/main_loop.h"

#include "app/pause.h"
#include "app/screens.h"
#include "display/display.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "input/frame_clock.h"
#include "input/gamepad.h"
#include "input/keyboard.h"
#include "input/touch.h"
#include "sound/music.h"

bool RunFrameFunction(int state) {
    switch (state) {
    case GameStateTitle: TitleScreenFrame(); return true;
    // A land whose tile sheet cannot be read cannot be played: the game ends (main names the sheet).
    case GameStatePlay:
        if (!GameFrame()) PostQuitMessage(1);
        return true;
    case GameStateDeath: DeathScreenFrame(); return true;
    case GameStateWin: WinScreenFrame(); return true;
    case GameStateStory: StoryScreenFrame(); return true;
    default: return false;  // no frame: the loop only pumps messages
    }
}

int PadStartKey(int state) {
    switch (state) {
    case GameStateTitle: return DIK_F1;
    case GameStatePlay: return DIK_PAUSE;
    case GameStateDeath:
    case GameStateWin:
    case GameStateStory: return DIK_RETURN;
    default: return -1;
    }
}

TouchSet TouchSetFor(int state) {
    switch (state) {
    case GameStateTitle: return TouchSetTitle;
    case GameStatePlay: return TouchSetPlay;
    case GameStateDeath:
    case GameStateWin:
    case GameStateStory: return TouchSetBack;
    default: return TouchSetNone;
    }
}

void MainWindowProc(const WindowMessage& msg) {
    switch (msg.message) {
    case WM_CLOSE:  // the close button: the window goes the way Escape sends it
    case WM_DESTROY: PostQuitMessage(0); break;
    case WM_TOGGLEFULLSCREEN:
        ToggleFullscreen();
        RepaintPause();
        break;
    case WM_PAINT: RepaintPause(); break;  // otherwise the next frame draws everything anyway
    case WM_KILLFOCUS: PauseForWindow(); break;
    case WM_SIZE:
        if (msg.wParam == SIZE_MINIMIZED) PauseForWindow();
        break;
    default: break;
    }
}

namespace {

bool MusicKeyHeld = false;
bool FrameShown = false;  // this pass ran a frame function, whose present waited for the refresh

// M switches the music once per press, on every screen, whatever the frame function reads.
void MusicKeyStep() {
    const bool down = KeyDownNow(VK_M);
    if (down && !MusicKeyHeld) ToggleMusic();
    MusicKeyHeld = down;
}

}  // namespace

bool MainLoopPass(int* exitCode) {
    WindowMessage msg;
    if (PeekWindowMessage(&msg)) {
        if (msg.message == WM_QUIT) {
            if (exitCode) *exitCode = msg.wParam;
            return false;
        }
        MainWindowProc(msg);
    }
    FrameShown = false;
    if (!FrameDue()) return true;
    StartClock();
    SetPadStartKey(PadStartKey(GameState));
    SetTouchSet(TouchSetFor(GameState));
    if (!PauseStep()) FrameShown = RunFrameFunction(GameState);
    MusicKeyStep();
    UpdateMusic();  // the piece the frame asked for, from the picture it has just shown
    return true;
}

void WaitForNextPass() {
    // Paced by the refresh, a pass without a new picture shows the last one again: that present
    // is what waits for the next refresh.
    if (PacedByRefresh() && !FrameShown) PresentAgain();
    EndPass();
}

void PaceByDisplay() {
    PaceByRefresh(TheDisplay.refreshMs);
    if (!PacedByRefresh()) StopWaitingForRefresh();
}

int RunMainLoop() {
    int exitCode = 0;
    while (MainLoopPass(&exitCode)) WaitForNextPass();
    return exitCode;
}
