#pragma once
// One review page of the whole cast: every frame of every sheet, each shown through its
// own file's palette and labelled with its file name and frame number.
#include <vector>

#include "png_writer.h"
#include "sheets.h"

RgbImage RenderContactSheet(const std::vector<Sheet>& sheets);
