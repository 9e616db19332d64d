#include "app/loop_driver.h"

#include <emscripten.h>

#include "app/main_loop.h"

namespace {

GameEnd gameEnd = nullptr;

// One pass per animation frame: the frame clock lets a frame begin once 30 ms have passed since the
// last began (every second refresh at 60 Hz), and the pass does no more than pump messages between.
void AnimationFrame() {
    int exitCode = 0;
    if (MainLoopPass(&exitCode)) return;
    emscripten_cancel_main_loop();
    const int code = gameEnd(exitCode);
    // The page shows that the game has ended, with a way to start it again.
    EM_ASM({ if (Module.gameEnded) Module.gameEnded($0); }, code);
}

}  // namespace

int DriveMainLoop(GameEnd end) {
    gameEnd = end;
    // 0 frames a second: the browser's own pace, requestAnimationFrame. Not an endless loop: main
    // returns and the page lives on.
    emscripten_set_main_loop(AnimationFrame, 0, 0);
    return 0;
}
