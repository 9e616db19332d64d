#include "app/startup.h"
#include "app/window.h"
#include "blitter/blitter_object.h"
#include "display/display.h"
#include "display/text.h"
#include "game/assets.h"
#include "game/backdrop.h"
#include "input/gamepad.h"
#include "input/keyboard.h"
#include "sound/music.h"
#include "sound/sound.h"

void ReleaseDevices() {
    DestroyBlitterObject(&TileSetObject);
    DestroyBlitterObject(&HeroObject);
    for (BlitterObject& backdrop : BackdropObjects) DestroyBlitterObject(&backdrop);
    ShutdownKeyboard();
    ShutdownDisplay();
    UnloadAllMusic();
    DeleteAllSounds();
    ShutdownSound();
}

// Releases the devices in a fixed order, once: 1 when it did so, 0 when it had already run.
int ShutDown() {
    static bool done = false;
    if (done) return 0;
    done = true;
    ReleaseDevices();
    ShutdownGamepads();
    ShutdownText();
    CloseMainWindow();
    return 1;
}
