#include "icon.h"

#include <stdexcept>

#include "palette_design.h"
#include "picture_painting.h"
#include "sprites/sprites.h"

namespace {

// The crop of the standing hero (frame 0, 94x74) around his head: its top-left corner.
struct Crop {
    int x;
    int y;
    int size;
};
constexpr Crop BustCrop{28, 0, 32};  // headband to chest
constexpr Crop HeadCrop{36, 1, 16};  // the face with the headband

Canvas Cut(const Canvas& src, const Crop& crop)
{
    Canvas out(crop.size, crop.size);
    for (int y = 0; y < crop.size; ++y)
        for (int x = 0; x < crop.size; ++x) out.set(x, y, src.get(crop.x + x, crop.y + y));
    return out;
}

// The title's sky from night to sunset, over the whole canvas.
Canvas Sky(int w, int h)
{
    Canvas c(w, h);
    SkyGradient(c, 0, h,
                {ExtraNight, Col(RampNavy, 2), Col(RampPurple, 3), Col(RampMagenta, 3), Col(RampPink, 4),
                 Col(RampOrange, 5)});
    return c;
}

// The hero's standing frame cut to the crop, outlined.
Canvas HeroCut(const Crop& crop)
{
    Canvas hero = Cut(DrawHeroFrame(0), crop);
    hero.outline(ExtraBlack);
    return hero;
}

// The square tile behind the hero, in base pixels: the sky, a dark rim, and corners cut round.
Canvas Backdrop(int base)
{
    Canvas c = Sky(base, base);
    const int r = base / 8;
    for (int y = 0; y < base; ++y)
        for (int x = 0; x < base; ++x) {
            const int dx = x < r ? r - x : x >= base - r ? x - (base - r - 1) : 0;
            const int dy = y < r ? r - y : y >= base - r ? y - (base - r - 1) : 0;
            if (dx * dx + dy * dy > r * r) c.set(x, y, Transparent);
        }
    return c;
}

}  // namespace

Canvas DrawIcon(int size)
{
    if (size <= 0 || size % 16 != 0) throw std::invalid_argument("icon size must be a multiple of 16");
    const Crop& crop = size % 32 == 0 ? BustCrop : HeadCrop;
    Canvas tile = Backdrop(crop.size);
    tile.blit(HeroCut(crop), 0, 0);
    return ScaledUp(tile, size / crop.size);
}

Canvas DrawFullBleedIcon(int size)
{
    if (size < 64) throw std::invalid_argument("a full-bleed icon needs at least 64 pixels");
    // Whole sprite pixels, the bust three quarters of the height.
    const int factor = size * 3 / 4 / BustCrop.size;
    const int bust = BustCrop.size * factor;
    const int x0 = (size - bust) / 2, y0 = size - bust;
    // The sky in the same whole pixels, its grid lined up with the bust's.
    const int dx = (factor - x0 % factor) % factor, dy = (factor - y0 % factor) % factor;
    const int base = size / factor + 2;
    const Canvas sky = ScaledUp(Sky(base, base), factor);
    Canvas icon(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) icon.set(x, y, sky.get(x + dx, y + dy));
    icon.blit(ScaledUp(HeroCut(BustCrop), factor), x0, y0);
    return icon;
}
