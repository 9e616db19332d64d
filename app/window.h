#pragma once
// The game's one window: full screen on the desktop, titled "QUORAX".

struct SDL_Window;

extern SDL_Window* MainWindow;

// Starts SDL's video, event and timer parts and opens the window at the desktop's size.
// nullptr on failure (WindowError says why), also when SDL found no display and fell back to a
// driver that shows nothing without the player asking for it through SDL_VIDEODRIVER.
SDL_Window* CreateMainWindow();
const char* WindowError();

// The window's icon, a picture file of the game (index 0 see-through). Read before the window
// opens, so that a missing file stops the game with nothing shown; 1 read, 0 failed (WindowError).
int LoadWindowIcon(const char* file);
// Gives the read icon to the window manager and releases it.
void ShowWindowIcon(SDL_Window* window);
// Closes the window and ends SDL (at exit, after every device is shut down).
void CloseMainWindow();
