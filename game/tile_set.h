#pragma once
// The tile set: TileSetObject cut from one segment's tile sheet.

// "SCROLLTEXTURES1.BMP" .. "SCROLLTEXTURES5.BMP" for segments 1 to 5.
const char* TileSheetName(int segment);

// Makes TileSetObject afresh (the frames of the previous set are released) and cuts its ten frames
// from the sheet in ScratchBitmap. 0 when its surfaces cannot be made.
int CreateTileSetObject();

// Loads the segment's sheet into ScratchBitmap, installs its palette, makes TileSetObject from it
// and unloads the sheet, and asks for the land's theme. 0 when the object cannot be made.
int LoadTileSet(int segment);
