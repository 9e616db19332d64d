#include <cstdint>

#include "blitter/blitter_object.h"
#include "display/display.h"

namespace {

void StepAnimationList(BlitterObject* object) {
    if (object->currentAnim < 0 || object->currentAnim >= MaxBlitterAnims) return;
    const int* list = object->animLists[object->currentAnim];
    // A missing or empty list has no element to step to.
    if (!list || list[0] == -1) return;
    ++object->animStep;
    object->currentFrame = list[object->animStep];
    if (object->currentFrame != -1) return;
    if (object->attributes & AttrAnimOnce) {
        object->animDone = 1;
        --object->animStep;
    } else {
        object->animStep = 0;
    }
    object->currentFrame = list[object->animStep];
}

// Each edge is truncated toward zero on its own; far-off positions are held where an int
// conversion is defined (the clip list discards them anyway).
int32_t Edge(double value) {
    if (!(value > -1e9)) return -1000000000;
    if (value > 1e9) return 1000000000;
    return static_cast<int32_t>(value);
}

}  // namespace

int AnimateBlitterObject(BlitterObject* object) {
    if (!object) return 0;
    const int attributes = object->attributes;
    if (attributes & AttrSingleFrame) {
        object->currentFrame = 0;
    } else if (attributes & AttrMultiFrame) {
        if (++object->animTicks >= object->animTicksMax) {
            object->animTicks = 0;
            if (++object->currentFrame >= object->frameCount) object->currentFrame = 0;
        }
    } else if (attributes & AttrMultiAnim) {
        if (++object->animTicks >= object->animTicksMax) {
            object->animTicks = 0;
            StepAnimationList(object);
        }
    }
    return 1;
}

int DrawBlitterObject(BlitterObject* object, SDL_Surface* target) {
    if (!object) return 0;
    if (!(object->attributes & AttrVisible)) return 1;
    const int frame = object->currentFrame;
    if (!target || frame < 0 || frame >= MaxBlitterFrames) return 0;
    // A slot whose cell was never loaded has no surface yet: it shows nothing.
    if (!object->frames[frame]) return frame < object->frameCount ? 1 : 0;
    // The sums are formed exactly before truncation, so -10.5 + 94 gives a right edge of 83.
    const double x = object->posX, y = object->posY;
    const RECT destination{Edge(x), Edge(y), Edge(object->cellWidth + x), Edge(object->cellHeight + y)};
    const RECT source{0, 0, object->cellWidth, object->cellHeight};
    return BlitKeyed(object->frames[frame], source, target, destination);
}
