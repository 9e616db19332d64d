#include "display/present_layout.h"

#include "input/touch_layout.h"

PresentLayout LayoutPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight) {
    return ScalePictureInto(Letterbox(outputWidth, outputHeight, pictureWidth, pictureHeight), pictureWidth,
                            pictureHeight);
}

PresentLayout ScalePictureInto(const ScreenRect& rect, int pictureWidth, int pictureHeight) {
    PresentLayout layout;
    if (rect.width <= 0 || rect.height <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return layout;
    layout.x = rect.x;
    layout.y = rect.y;
    layout.width = rect.width;
    layout.height = rect.height;
    const int across = (layout.width + pictureWidth - 1) / pictureWidth;
    const int down = (layout.height + pictureHeight - 1) / pictureHeight;
    layout.factor = across > down ? across : down;
    layout.direct = layout.width == layout.factor * pictureWidth && layout.height == layout.factor * pictureHeight;
    return layout;
}
