#pragma once
// The level map: 15 rows of 516 digits, one 64x64 tile per digit. The digit picks the tile
// frame and what the cell does to the hero: ground to stand on, wall that bars walking, stop for
// his shot.

constexpr int LevelRows = 15;
constexpr int LevelColumns = 516;
constexpr int TileSize = 64;

// Row 0 first; each row a zero-terminated string of LevelColumns digits.
extern const char* const LevelMap[LevelRows];

// The character at (row, column); a cell outside the map reads as 'x', which is no digit.
char MapCell(int row, int column);

// Digit classes; any character outside '0'..'9' is a wall and a shot stop and no ground.
bool IsGroundDigit(char cell);    // 1, 2, 3
bool IsWallDigit(char cell);      // 1, 2, 3, 7, 8
bool IsShotStopDigit(char cell);  // 2, 3

// Draws the visible part of the map on the back buffer with TileSetObject.
void DrawLevelMap();
