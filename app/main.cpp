// QUORAX: opens its window, loads everything, runs the main loop until the player quits.
// SDL's entry point where the system starts programs elsewhere than main (WinMain on Windows).
#include <SDL_main.h>

#include <string>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/launch.h"
#include "app/loop_driver.h"
#include "app/main_loop.h"
#include "app/pad_mappings.h"
#include "app/platform.h"
#include "app/program_folder.h"
#include "app/ready_line.h"
#include "app/startup.h"
#include "app/window.h"
#include "display/display.h"
#include "display/text.h"
#include "game/tile_set.h"
#include "input/gamepad.h"
#include "input/touch.h"

namespace {

// After the last pass: a land whose tile sheet could not be read is named, then everything closes.
int EndGame(int exitCode) {
    if (exitCode == 1) ReportFailure(std::string("quorax: play cannot go on: ") + TileSetError());
    ShutDown();
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    GiveBackFreedMemory();
    ConnectConsole();
    const int early = PrepareLaunch(argc, argv);
    if (early >= 0) return early;
    SDL_Window* window = CreateMainWindow();
    if (!window || !AttachDisplayWindow(window)) {
        ReportFailure(std::string("quorax: ") + WindowError());
        ShutdownText();
        CloseMainWindow();
        return 1;
    }
    ShowWindowIcon(window);
    PaceByDisplay();
    // Only the game itself listens to pads (the simulator replays scripts, untouched by a pad
    // on the desk); without them the keyboard still plays.
    if (InitGamepads()) LoadPadMappings(ProgramFolder());
    if (AsksForTouchControls(argc, argv)) ShowTouchControls();
    if (!StartUp()) {
        ReportFailure(std::string("quorax: start-up failed: ") + StartUpError() + " (files read from " + DataFolderInUse() + ")");
        ShutDown();
        return 1;
    }
    AnnounceReady();
    return DriveMainLoop(EndGame);
}
