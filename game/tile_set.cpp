#include "game/tile_set.h"

#include <cstdio>

#include "display/bitmap_file.h"
#include "game/assets.h"
#include "game/backdrop.h"
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

// The smallest sheet that holds every cell on the one-pixel grid.
constexpr int SheetWidth = 4 * (TileSize + 1) + 1;
constexpr int SheetHeight = 3 * (TileSize + 1) + 1;

char ErrorText[224] = "";

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

int ReadTileSheet(int segment)
{
    const char* file = TileSheetName(segment);
    if (!LoadBitmapFile(&ScratchBitmap, file)) {
        std::snprintf(ErrorText, sizeof ErrorText, "%s: %s", file, BitmapFileError());
        return 0;
    }
    const BITMAPINFOHEADER& info = ScratchBitmap.infoHeader;
    if (info.biBitCount != 8 || info.biWidth < SheetWidth || info.biHeight < SheetHeight) {
        std::snprintf(ErrorText, sizeof ErrorText,
                      "%s: a tile sheet needs 8-bit pixels and at least %d x %d of them, not %d-bit and %d x %d",
                      file, SheetWidth, SheetHeight, int{info.biBitCount}, int{info.biWidth}, int{info.biHeight});
        UnloadBitmapFile(&ScratchBitmap);
        return 0;
    }
    return 1;
}

const char* TileSetError() { return ErrorText; }

int LoadTileSet(int segment)
{
    if (!ReadTileSheet(segment)) return 0;
    SelectBackdrop(segment);
    SetDisplayPalette(ScratchBitmap.palette);
    const int made = CreateTileSetObject();
    if (!made) std::snprintf(ErrorText, sizeof ErrorText, "%s: cannot make the tile surfaces", TileSheetName(segment));
    UnloadBitmapFile(&ScratchBitmap);
    PlayLandMusic(segment);
    return made;
}
