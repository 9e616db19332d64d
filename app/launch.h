#pragma once
// Everything the game settles before it opens its window: the command line, the folder it reads
// from, the font and the window's icon.

// The file the window's icon is read from, in the data folder.
inline constexpr const char* WindowIconFile = "Icon.BMP";

// -1 when the game should now open its window; otherwise the exit code to end with (0 after
// --help or --version, 1 after a one-line message on stderr about what is missing).
int PrepareLaunch(int argc, const char* const* argv);
