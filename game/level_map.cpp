#include "game/level_map.h"

#include "display/display.h"
#include "game/assets.h"
#include "game/world.h"

char MapCell(int row, int column)
{
    if (row < 0 || row >= LevelRows || column < 0 || column >= LevelColumns) return 'x';
    return LevelMap[row][column];
}

static bool IsDigit(char cell) { return cell >= '0' && cell <= '9'; }

bool IsGroundDigit(char cell) { return cell == '1' || cell == '2' || cell == '3'; }

bool IsWallDigit(char cell) { return !IsDigit(cell) || IsGroundDigit(cell) || cell == '7' || cell == '8'; }

bool IsShotStopDigit(char cell) { return !IsDigit(cell) || cell == '2' || cell == '3'; }

void DrawLevelMap()
{
    const int firstColumn = WorldPosition / TileSize;
    const int xRemainder = WorldPosition % TileSize;
    const int firstRow = ViewOffsetY / TileSize;
    const int yRemainder = ViewOffsetY % TileSize;
    const int lastColumn = firstColumn + 9 + (xRemainder != 0 ? 1 : 0);
    const int lastRow = firstRow + 6 + (yRemainder != 0 ? 1 : 0);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const char cell = MapCell(row, column);
            // Past the map's edge there is no tile to show.
            if (!IsDigit(cell)) continue;
            TileSetObject.posX = static_cast<float>(-xRemainder + TileSize * (column - firstColumn));
            TileSetObject.posY = static_cast<float>(-yRemainder + TileSize * (row - firstRow));
            TileSetObject.currentFrame = cell - '0';
            DrawBlitterObject(&TileSetObject, TheDisplay.backSurface);
        }
    }
}
