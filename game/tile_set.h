#pragma once
// The tile set: TileSetObject cut from one segment's tile sheet.

// "SCROLLTEXTURES1.BMP" .. "SCROLLTEXTURES5.BMP" for segments 1 to 5.
const char* TileSheetName(int segment);

// Makes TileSetObject afresh (the frames of the previous set are released) and cuts its ten frames
// from the sheet in ScratchBitmap. 0 when its surfaces cannot be made.
int CreateTileSetObject();

// Loads the segment's sheet into ScratchBitmap and checks that it holds every cell the tile set
// cuts. 0 when it cannot be read or is too small: ScratchBitmap is then empty and TileSetError
// names the sheet and why.
int ReadTileSheet(int segment);
const char* TileSetError();

// Reads the segment's sheet, installs its palette, makes TileSetObject from it and unloads the
// sheet; the land's backdrop and theme come with it. 0 when the sheet cannot be read or the object
// cannot be made (TileSetError says which); TileSetObject is then as it was when the sheet was the fault.
int LoadTileSet(int segment);
