#include "game/status_line.h"

#include <cstdio>

#include "display/display.h"
#include "display/text.h"
#include "game/world.h"

namespace {

constexpr COLORREF StatusColour = 0x3232FF;  // red 255, green 50, blue 50
char StatusText[80];

}  // namespace

void DrawStatusLine()
{
    const int y = TheDisplay.screenHeight - 479;
    std::snprintf(StatusText, sizeof StatusText, "HEALTH: %d", HeroHealth);
    DrawTextGdi(StatusText, 5, y, StatusColour, TheDisplay.backSurface);
    std::snprintf(StatusText, sizeof StatusText, "QUORAX BULLETS: %d", HeroAmmo);
    DrawTextGdi(StatusText, 515, y, StatusColour, TheDisplay.backSurface);
}
