#pragma once
// The game's icon: the hero's head and shoulders, cut from his standing frame, against the
// title's dusk sky. Drawn in whole sprite pixels at every size, so it stays crisp: sizes that
// are multiples of 32 show the 32x32 bust, 16 and 48 the 16x16 head.
#include <vector>

#include "canvas.h"

// The sizes the desktop's icon theme asks for.
inline const std::vector<int> IconSizes = {16, 32, 48, 64, 128, 256};
// The window's icon, read by the game itself.
constexpr int WindowIconSize = 64;

// A size x size canvas of shared-range colours, index 0 (see-through) only in the corners.
// size must be a multiple of 16.
Canvas DrawIcon(int size);
