#pragma once
// Frame sheets: equal cells on a one-pixel grid. Cell (c, r) of w x h cells starts at
// pixel (c * (w + 1) + 1, r * (h + 1) + 1); the grid lines between are a dark colour.
#include <string>
#include <vector>

#include "canvas.h"

struct SheetFrame {
    int frame;  // the frame number the game cuts from this cell
    int col;
    int row;
    Canvas pixels;
};

struct Sheet {
    std::string file;
    int cellW;
    int cellH;
    int cols;
    int rows;
    int segment;  // whose tile colours fill the palette's tile range
    std::vector<SheetFrame> frames;
};

Canvas RenderSheet(const Sheet& sheet);

// The hero, the projectiles and the enemies, each sheet in the layout the game cuts.
std::vector<Sheet> CastSheets();
// "SCROLLTEXTURES1.BMP" .. "SCROLLTEXTURES5.BMP".
std::vector<Sheet> TileSheets();
