// QUORAX: opens its window, loads everything, runs the main loop until the player quits.
#include <cstdio>

#include "app/main_loop.h"
#include "app/startup.h"
#include "app/window.h"
#include "display/display.h"
#include "game/tile_set.h"

int main() {
    SDL_Window* window = CreateMainWindow();
    if (!window || !AttachDisplayWindow(window)) {
        std::fprintf(stderr, "quorax: %s\n", WindowError());
        CloseMainWindow();
        return 1;
    }
    if (!StartUp()) {
        std::fprintf(stderr, "quorax: start-up failed: %s\n", StartUpError());
        ShutDown();
        return 1;
    }
    const int exitCode = RunMainLoop();
    if (exitCode == 1) std::fprintf(stderr, "quorax: play cannot go on: %s\n", TileSetError());
    ShutDown();
    return exitCode;
}
