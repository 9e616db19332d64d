#include "game/backdrop.h"

#include "display/bitmap_file.h"
#include "display/display.h"
#include "game/assets.h"
#include "game/world.h"

BlitterObject BackdropObjects[SegmentCount];
int BackdropShown = 1;

namespace {

constexpr const char* BackdropFiles[] = {
    "Backdrop1.BMP", "Backdrop2.BMP", "Backdrop3.BMP", "Backdrop4.BMP", "Backdrop5.BMP",
};

int LandIndex(int segment) { return segment < 1 || segment > SegmentCount ? 0 : segment - 1; }

}  // namespace

const char* BackdropFileName(int segment) { return BackdropFiles[LandIndex(segment)]; }

int CreateBackdropObject(int segment)
{
    const int width = ScratchBitmap.infoHeader.biWidth;
    if (width < BackdropMinWidth || ScratchBitmap.infoHeader.biHeight < BackdropRows) return 0;
    BlitterObject* object = &BackdropObjects[LandIndex(segment)];
    if (!CreateBlitterObject(object, 0, 0, width, BackdropRows, 1, AttrVisible | AttrSingleFrame, 0x800, 0, 8)) {
        return 0;
    }
    if (!LoadBlitterFrame(object, &ScratchBitmap, 0, 0, 0, 1)) return 0;
    // The picture holds no index 0, so nothing of it is see-through: the blit may copy it whole
    // (should that fail, the keyed blit draws the same, only slower).
    SetSurfaceOpaque(object->frames[0]);
    return 1;
}

void SelectBackdrop(int segment) { BackdropShown = LandIndex(segment) + 1; }

int BackdropScroll(int worldPosition, int width)
{
    if (width <= 0) return 0;
    const int scroll = (worldPosition / BackdropScrollDivisor) % width;
    return scroll < 0 ? scroll + width : scroll;
}

void DrawBackdrop()
{
    BlitterObject& backdrop = BackdropObjects[BackdropShown - 1];
    const int width = backdrop.cellWidth;
    backdrop.posX = static_cast<float>(-BackdropScroll(WorldPosition, width));
    backdrop.posY = 0;
    DrawBlitterObject(&backdrop, TheDisplay.backSurface);
    if (backdrop.posX + static_cast<float>(width) < static_cast<float>(TheDisplay.screenWidth)) {
        backdrop.posX += static_cast<float>(width);
        DrawBlitterObject(&backdrop, TheDisplay.backSurface);
    }
}
