// QUORAX: opens its window, loads everything, runs the main loop until the player quits.
#include <cstdio>

#include "app/data_folder.h"
#include "app/launch.h"
#include "app/main_loop.h"
#include "app/ready_line.h"
#include "app/startup.h"
#include "app/window.h"
#include "display/display.h"
#include "display/text.h"
#include "game/tile_set.h"
#include "input/gamepad.h"

int main(int argc, char** argv) {
    const int early = PrepareLaunch(argc, argv);
    if (early >= 0) return early;
    SDL_Window* window = CreateMainWindow();
    if (!window || !AttachDisplayWindow(window)) {
        std::fprintf(stderr, "quorax: %s\n", WindowError());
        ShutdownText();
        CloseMainWindow();
        return 1;
    }
    ShowWindowIcon(window);
    PaceByDisplay();
    // Only the game itself listens to pads (the simulator replays scripts, untouched by a pad
    // on the desk); without them the keyboard still plays.
    InitGamepads();
    if (!StartUp()) {
        std::fprintf(stderr, "quorax: start-up failed: %s (files read from %s)\n", StartUpError(), DataFolderInUse().c_str());
        ShutDown();
        return 1;
    }
    AnnounceReady();
    const int exitCode = RunMainLoop();
    if (exitCode == 1) std::fprintf(stderr, "quorax: play cannot go on: %s\n", TileSetError());
    ShutDown();
    return exitCode;
}
