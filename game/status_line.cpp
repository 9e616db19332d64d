#include "game/status_line.h"

#include <cstdio>

#include "display/display.h"
#include "display/text.h"
#include "game/world.h"

namespace {

constexpr COLORREF StatusColour = 0x3232FF;  // red 255, green 50, blue 50
char StatusText[80];

}  // namespace

// Ringed in the darkest colour, so the red reads on light planks, bars and grass as on the night.
void DrawStatusLine()
{
    const int y = TheDisplay.screenHeight - 479;
    std::snprintf(StatusText, sizeof StatusText, "HEALTH: %d", HeroHealth);
    DrawOutlinedText(StatusText, 5, y, StatusColour, StatusTextSize, TheDisplay.backSurface);
    std::snprintf(StatusText, sizeof StatusText, "QUORAX BULLETS: %d", HeroAmmo);
    DrawOutlinedText(StatusText, 515, y, StatusColour, StatusTextSize, TheDisplay.backSurface);
}
