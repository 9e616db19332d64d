#pragma once
// The five lands' backdrops, "Backdrop1.BMP" .. "Backdrop5.BMP": the sky and the far country
// behind each land, painted with the shared colours and that land's own tile range, and never
// with index 0, so the whole picture is opaque.
#include <vector>

#include "canvas.h"
#include "sheets.h"

Canvas JungleBackdrop();      // dusk over the jungle, smoking volcanoes
Canvas HarbourBackdrop();     // afternoon sea with sails on the horizon
Canvas BaseBackdrop();        // night over the base, floodlights in the haze
Canvas UnderworldBackdrop();  // a cavern lit by lava falls and a lava lake
Canvas HomecomingBackdrop();  // bright morning over green hills

// Each backdrop as a one-cell sheet (named by its file, its segment's palette), so the writer
// and the contact sheet treat it like every other picture.
std::vector<Sheet> BackdropSheets();
