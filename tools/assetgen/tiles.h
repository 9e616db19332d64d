#pragma once
// The background tiles: ten 64x64 pictures per segment, one per map digit.
//   0 open (fully transparent)     1..3 solid ground / wall blocks
//   4, 5 light scenery (mostly transparent)   6 deadly liquid or abyss
//   7, 8 barriers                  9 a gate pillar the hero walks through
// Tiles use the tile range (TileCol) of their own segment and may use the shared range.
#include "canvas.h"

constexpr int TileDigits = 10;

Canvas DrawTile(int segment, int digit);
