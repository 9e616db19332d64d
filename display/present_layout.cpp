#include "display/present_layout.h"

PresentLayout LayoutPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight) {
    PresentLayout layout;
    if (outputWidth <= 0 || outputHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return layout;
    // Bars on the sides when the output is wider than the picture's aspect, else above and below.
    // Integer products compare the aspects exactly.
    const long long wide = static_cast<long long>(outputWidth) * pictureHeight;
    const long long tall = static_cast<long long>(outputHeight) * pictureWidth;
    if (wide > tall) {
        layout.height = outputHeight;
        layout.width = static_cast<int>(tall / pictureHeight);
    } else {
        layout.width = outputWidth;
        layout.height = static_cast<int>(wide / pictureWidth);
    }
    layout.x = (outputWidth - layout.width) / 2;
    layout.y = (outputHeight - layout.height) / 2;
    const int across = (layout.width + pictureWidth - 1) / pictureWidth;
    const int down = (layout.height + pictureHeight - 1) / pictureHeight;
    layout.factor = across > down ? across : down;
    layout.direct = layout.width == layout.factor * pictureWidth && layout.height == layout.factor * pictureHeight;
    return layout;
}
