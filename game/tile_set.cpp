#include "game/tile_set.h"

#include "display/bitmap_file.h"
#include "game/assets.h"
#include "game/level_map.h"
#include "sound/music.h"

namespace {

constexpr const char* TileSheets[] = {
    "SCROLLTEXTURES1.BMP", "SCROLLTEXTURES2.BMP", "SCROLLTEXTURES3.BMP",
    "SCROLLTEXTURES4.BMP", "SCROLLTEXTURES5.BMP",
};

// Frame n comes from sheet cell (column, row): four on each of the first two rows, two on the third.
constexpr int TileCells[10][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1},
                                  {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}};

}  // namespace

const char* TileSheetName(int segment)
{
    if (segment < 1 || segment > 5) segment = 1;
    return TileSheets[segment - 1];
}

int CreateTileSetObject()
{
    if (!CreateBlitterObject(&TileSetObject, 0, 0, TileSize, TileSize, 10, AttrVisible | AttrMultiFrame,
                             0x800, 0, 8)) {
        return 0;
    }
    for (int frame = 0; frame < 10; ++frame) {
        LoadBlitterFrame(&TileSetObject, &ScratchBitmap, frame, TileCells[frame][0], TileCells[frame][1], 0);
    }
    return 1;
}

int LoadTileSet(int segment)
{
    LoadBitmapFile(&ScratchBitmap, TileSheetName(segment));
    SetDisplayPalette(ScratchBitmap.palette);
    const int made = CreateTileSetObject();
    UnloadBitmapFile(&ScratchBitmap);
    PlayLandMusic(segment);
    return made;
}
