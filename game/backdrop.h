#pragma once
// The sky behind each land: one picture per segment, drawn over the top 448 rows before the
// shot and the map, and scrolled slower than the map so that it reads as far away.
#include "blitter/blitter_object.h"
#include "game/segments.h"

constexpr int BackdropRows = 448;        // the rows above the status line
constexpr int BackdropMinWidth = 640;    // a screen's width: two copies side by side always cover it
constexpr int BackdropScrollDivisor = 4; // the sky moves a quarter of the map's pace

// One object per land, each holding one frame as wide as its picture.
extern BlitterObject BackdropObjects[SegmentCount];
// The segment whose backdrop the frame draws (1 to 5); it follows the tile set.
extern int BackdropShown;

// "Backdrop1.BMP" .. "Backdrop5.BMP" for segments 1 to 5.
const char* BackdropFileName(int segment);

// Makes the segment's backdrop object from the picture in ScratchBitmap: one frame of the
// picture's width and the top 448 rows. 0 when the picture is narrower than the screen or lower
// than 448 rows, or its surface cannot be made.
int CreateBackdropObject(int segment);

// Makes the segment's backdrop the one the frame draws; called where its tile set is loaded.
void SelectBackdrop(int segment);

// How far the backdrop is scrolled at a world position: a quarter of it, wrapped to the
// picture's width, so the picture's column at the screen's left edge.
int BackdropScroll(int worldPosition, int width);

// Draws the shown backdrop at the current WorldPosition: once, or twice where its right end
// comes onto the screen and its left end follows.
void DrawBackdrop();
