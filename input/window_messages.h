#pragma once
// The window's message queue. Frame functions post the destroy message when Escape is held;
// the window procedure turns it into the quit message that ends the main loop. SDL events
// (the close button, the full-screen toggle keys, the window losing the focus or being minimised)
// are translated into the same messages; a gamepad plugged in or pulled out goes to the gamepads,
// a finger to the touch controls.

constexpr int WM_NULL = 0x0000;
constexpr int WM_DESTROY = 0x0002;
constexpr int WM_SIZE = 0x0005;       // wParam SIZE_MINIMIZED: the window was minimised
constexpr int WM_KILLFOCUS = 0x0008;  // the window lost the input focus
constexpr int WM_PAINT = 0x000F;
constexpr int WM_CLOSE = 0x0010;
constexpr int WM_QUIT = 0x0012;
constexpr int WM_TOGGLEFULLSCREEN = 0x0401;  // F11 or Alt+Enter

constexpr int SIZE_MINIMIZED = 1;

struct WindowMessage {
    int message = WM_NULL;
    int wParam = 0;
};

// Appends a message (dropped when the queue is full: posting never blocks or allocates).
void PostWindowMessage(int message, int wParam = 0);
void PostQuitMessage(int exitCode);
// Removes the oldest message into *msg; first moves pending SDL events into the queue
// (when SDL's event subsystem runs). Returns false when the queue is empty.
bool PeekWindowMessage(WindowMessage* msg);
// Drops every queued message.
void ClearWindowMessages();
