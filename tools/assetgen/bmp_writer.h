#pragma once
// Windows bitmap encoding of 8-bit canvases, as the game's bitmap reader expects them:
// full 256-entry colour table, bottom-up rows padded to 4 bytes, biSizeImage set.
#include "byte_writer.h"
#include "canvas.h"
#include "palette_design.h"

Bytes EncodeBmp8(const Canvas& image, const Palette& palette);

// A Windows icon file holding each image as an 8-bit bitmap, index 0 see-through.
Bytes EncodeIco(const std::vector<Canvas>& images, const Palette& palette);

// The palette text file: one line per entry, "red green blue flags".
std::string EncodePaletteText(const Palette& palette);
