#include "backdrops.h"

#include <string>

#include "backdrop_painting.h"

std::vector<Sheet> BackdropSheets()
{
    Canvas (*const painters[])() = {JungleBackdrop, HarbourBackdrop, BaseBackdrop, UnderworldBackdrop,
                                    HomecomingBackdrop};
    std::vector<Sheet> sheets;
    for (int segment = 1; segment <= 5; ++segment) {
        Sheet s{"Backdrop" + std::to_string(segment) + ".BMP", BackdropW, BackdropH, 1, 1, segment, {}};
        s.frames.push_back({0, 0, 0, painters[segment - 1]()});
        sheets.push_back(std::move(s));
    }
    return sheets;
}
