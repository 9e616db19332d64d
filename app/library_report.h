#pragma once
// What `quorax --version` says besides the version: the libraries the program runs with and the
// display and sound systems its SDL can use, so a bug report from any system says what was there.
#include <string>

// "SDL 2.26.5, SDL_mixer 2.6.2, SDL_ttf 2.20.1; video: x11 wayland ...; audio: pipewire ..." on one
// line: the versions of the libraries linked (not of the headers built against), and every driver
// compiled into SDL, whether or not this machine has what it needs.
std::string LibraryReport();
