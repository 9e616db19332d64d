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
constexpr Crop Bust{28, 0, 32};  // headband to chest
constexpr Crop Head{36, 1, 16};  // the face with the headband

Canvas Cut(const Canvas& src, const Crop& crop)
{
    Canvas out(crop.size, crop.size);
    for (int y = 0; y < crop.size; ++y)
        for (int x = 0; x < crop.size; ++x) out.set(x, y, src.get(crop.x + x, crop.y + y));
    return out;
}

// The square tile behind the hero, in base pixels: the title's sky from night to sunset, a
// dark rim, and corners cut round.
Canvas Backdrop(int base)
{
    Canvas c(base, base);
    SkyGradient(c, 0, base,
                {ExtraNight, Col(RampNavy, 2), Col(RampPurple, 3), Col(RampMagenta, 3), Col(RampPink, 4),
                 Col(RampOrange, 5)});
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
    const Crop& crop = size % 32 == 0 ? Bust : Head;
    Canvas hero = Cut(DrawHeroFrame(0), crop);
    hero.outline(ExtraBlack);
    Canvas tile = Backdrop(crop.size);
    tile.blit(hero, 0, 0);
    return ScaledUp(tile, size / crop.size);
}
