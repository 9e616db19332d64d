#include "display/display.h"

int PackRgb565(int red, int green, int blue) {
    return (((red >> 3) & 0x1F) << 11) | (((green >> 2) & 0x3F) << 5) | ((blue >> 3) & 0x1F);
}

int PackRgb555(int red, int green, int blue) {
    return (((red >> 3) & 0x1F) << 10) | (((green >> 3) & 0x1F) << 5) | ((blue >> 3) & 0x1F);
}
