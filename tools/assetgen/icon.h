#pragma once
// The game's icon: the hero's head and shoulders, cut from his standing frame, against the
// title's dusk sky. Drawn in whole sprite pixels at every size, so it stays crisp: sizes that
// are multiples of 32 show the 32x32 bust, 16 and 48 the 16x16 head.
#include <vector>

#include "canvas.h"

// The sizes the desktop's icon theme asks for (the Windows icon holds them all).
inline const std::vector<int> IconSizes = {16, 32, 48, 64, 128, 256};
// The sizes a web page's manifest offers besides them.
inline const std::vector<int> WebIconSizes = {192, 512};
// The full-bleed icons: the maskable one of the manifest and a phone's home-screen icon.
constexpr int MaskableIconSize = 512;
constexpr int HomeScreenIconSize = 180;
// The window's icon, read by the game itself.
constexpr int WindowIconSize = 64;

// A size x size canvas of shared-range colours, index 0 (see-through) only in the corners.
// size must be a multiple of 16.
Canvas DrawIcon(int size);

// The same bust on a square of sky with no see-through pixel, for a system that cuts its own
// shape (a circle, a rounded square): the bust stands on the bottom edge, its head well inside the
// middle circle of 80% that every such shape keeps. Any size of at least 64.
Canvas DrawFullBleedIcon(int size);
