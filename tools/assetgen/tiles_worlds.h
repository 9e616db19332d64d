#pragma once
// One tile painter per world; each takes a map digit 0..9 and returns a 64x64 tile.
#include "canvas.h"

Canvas JungleTile(int digit);
Canvas HarbourTile(int digit);
Canvas BaseTile(int digit);
Canvas UnderworldTile(int digit);
Canvas HomecomingTile(int digit);
