// QUORAX: opens its window, loads everything, runs the main loop until the player quits.
#include <cstdio>

#include "app/main_loop.h"
#include "app/startup.h"
#include "app/window.h"
#include "display/display.h"
#include "input/gamepad.h"

int main() {
    SDL_Window* window = CreateMainWindow();
    if (!window || !AttachDisplayWindow(window)) {
        std::fprintf(stderr, "quorax: cannot open the window: %s\n", WindowError());
        CloseMainWindow();
        return 1;
    }
    // Only the game itself listens to pads (the simulator replays scripts, untouched by a pad
    // on the desk); without them the keyboard still plays.
    InitGamepads();
    if (!StartUp()) {
        std::fprintf(stderr, "quorax: start-up failed: %s\n", StartUpError());
        ShutDown();
        return 1;
    }
    const int exitCode = RunMainLoop();
    ShutDown();
    return exitCode;
}
