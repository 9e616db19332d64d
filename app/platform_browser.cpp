#include "app/platform.h"

#include <SDL.h>
#include <emscripten.h>

#include <cstdio>
#include <string>

#include "app/window.h"
#include "input/touch.h"

// The browser's console is the page's terminal: stdout and stderr already go there.
void ConnectConsole() {}

// A player sees the page, not its console: the line goes on the page too, in place of the game.
void ReportFailure(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    EM_ASM({ if (Module.showFailure) Module.showFailure(UTF8ToString($0)); }, line.c_str());
}

// The browser's canvas is always there.
bool MayRunUnseen() { return false; }

// WebAssembly memory never shrinks: nothing to hand back.
void GiveBackFreedMemory() {}

// The page sizes the canvas to fill the browser's window; the game draws into all of it, its picture
// scaled and letterboxed as on a full screen, and SDL follows the canvas when the window is resized.
uint32_t MainWindowFlags() { return SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI; }

namespace {

void AppendRect(std::string& json, const ScreenRect& rect) {
    json += "\"x\":" + std::to_string(rect.x) + ",\"y\":" + std::to_string(rect.y) +
            ",\"width\":" + std::to_string(rect.width) + ",\"height\":" + std::to_string(rect.height);
}

}  // namespace

// For the page's tests and tools: where the picture is and which touch controls are on show, in
// the page's CSS pixels (the canvas fills the page), as JSON.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quorax_screen_layout() {
    static std::string json;
    int width = 0, height = 0;
    if (MainWindow) SDL_GetWindowSize(MainWindow, &width, &height);
    const ScreenLayout layout = TouchScreenLayout(width, height);
    json = "{\"picture\":{";
    AppendRect(json, layout.picture);
    json += "},\"controls\":[";
    const char* comma = "";
    for (int control = 0; control < ControlCount; ++control) {
        if (layout.controls[control].width == 0) continue;
        json += std::string(comma) + "{\"name\":\"" + TouchControlName(control) + "\",";
        AppendRect(json, layout.controls[control]);
        json += "}";
        comma = ",";
    }
    json += "]}";
    return json.c_str();
}
