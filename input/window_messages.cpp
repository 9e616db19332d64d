#include "input/window_messages.h"

#include <SDL.h>

#include "input/gamepad.h"
#include "input/touch.h"

namespace {

constexpr int QueueSize = 64;

WindowMessage queue[QueueSize];
int head = 0;   // oldest message
int count = 0;

bool IsToggleKey(const SDL_KeyboardEvent& key) {
    if (key.repeat) return false;
    const SDL_Scancode code = key.keysym.scancode;
    if (code == SDL_SCANCODE_F11) return true;
    return (code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER) && (key.keysym.mod & KMOD_ALT);
}

// A finger still down when the window loses the player's attention, or when the screen turns
// and the controls move under it, holds nothing more.
void PostWindowEvent(const SDL_WindowEvent& window) {
    switch (window.event) {
    case SDL_WINDOWEVENT_EXPOSED: PostWindowMessage(WM_PAINT); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        ReleaseTouchKeys();
        PostWindowMessage(WM_PAINT);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        ReleaseTouchKeys();
        PostWindowMessage(WM_KILLFOCUS);
        break;
    // Hidden: a browser's tab behind another, or a window on another desktop.
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        ReleaseTouchKeys();
        PostWindowMessage(WM_SIZE, SIZE_MINIMIZED);
        break;
    default: break;
    }
}

// Turns the SDL events that mean something to the window into its messages, and hands the rest
// to the gamepads (plugged in, pulled out) and the touch controls (fingers). Escape is not a
// message: the frame functions poll it. A key or a pad in use hides the touch controls.
void PumpSdlEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN || PadInUse(event)) HideTouchControls();
        if (event.type == SDL_QUIT)
            PostWindowMessage(WM_CLOSE);
        else if (event.type == SDL_KEYDOWN && IsToggleKey(event.key))
            PostWindowMessage(WM_TOGGLEFULLSCREEN);
        else if (event.type == SDL_WINDOWEVENT)
            PostWindowEvent(event.window);
        else {
            HandleGamepadEvent(event);
            HandleTouchEvent(event);
        }
    }
}

}  // namespace

void PostWindowMessage(int message, int wParam) {
    if (count == QueueSize) return;
    queue[(head + count) % QueueSize] = WindowMessage{message, wParam};
    ++count;
}

void PostQuitMessage(int exitCode) { PostWindowMessage(WM_QUIT, exitCode); }

bool PeekWindowMessage(WindowMessage* msg) {
    if (SDL_WasInit(SDL_INIT_EVENTS)) PumpSdlEvents();
    if (count == 0) return false;
    if (msg) *msg = queue[head];
    head = (head + 1) % QueueSize;
    --count;
    return true;
}

void ClearWindowMessages() {
    head = 0;
    count = 0;
}
