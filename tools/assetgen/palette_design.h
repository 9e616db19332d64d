#pragma once
// The one palette design every generated file shares.
//
//   index 0          black: the clear colour and the transparent colour key
//   indices 1..191   the shared range: identical in every file; holds every colour of
//                    the sprites, the four full-screen pictures and the status text
//   indices 192..255 the tile range: each tile sheet carries its own segment's tile
//                    colours here; every other file carries segment 1's
//
// The shared range is laid out as ramps of eight shades, darkest first, so sprite code
// names a colour by ramp and shade rather than by number.
#include <cstdint>

enum Ramp : int {
    RampGrey,     // near black .. white
    RampSkin,     // shadowed skin .. highlight
    RampRed,      // blood red .. bright red (shade 6 is the status-text red)
    RampOrange,
    RampBrown,    // leather, wood, fur
    RampYellow,   // gold .. pale yellow
    RampGreen,    // leaf, scales
    RampOlive,    // army drab
    RampTeal,
    RampBlue,
    RampNavy,     // dark cloth, night
    RampPurple,
    RampPink,
    RampSteel,    // blue-grey metal
    RampBone,     // ivory, parchment
    RampLava,     // deep red .. white-hot orange
    RampSky,      // dusk purple .. pale dawn blue
    RampRust,
    RampMoss,
    RampSand,
    RampIce,
    RampMagenta,
    RampCrimson,
    RampCount     // 23 ramps: indices 1 .. 184
};

constexpr int ShadesPerRamp = 8;
constexpr int SharedFirst = 1;
constexpr int SharedLast = 191;
constexpr int TileFirst = 192;
constexpr int TileLast = 255;

// Palette index of a ramp shade; shade is clamped to 0..7 (0 darkest).
constexpr uint8_t Col(Ramp ramp, int shade)
{
    return static_cast<uint8_t>(SharedFirst + ramp * ShadesPerRamp +
                                (shade < 0 ? 0 : shade > 7 ? 7 : shade));
}

constexpr uint8_t Transparent = 0;

// Seven extra shared colours after the ramps, for what no ramp holds.
enum Extra : uint8_t {
    ExtraBlack = 185,  // opaque black: unlike index 0 it is never see-through
    ExtraNight,        // the deepest night blue
    ExtraBloodDark,
    ExtraJungleDark,
    ExtraStar,         // warm star white
    ExtraSun,          // sun disc yellow
    ExtraEmber,        // glowing coal
};

// The tile range holds eight tile ramps of eight shades, darkest first. Each segment
// gives them its own colours; the world's tile painter names them as below.
constexpr int TileRampCount = 8;

constexpr uint8_t TileCol(int tileRamp, int shade)
{
    return static_cast<uint8_t>(TileFirst + tileRamp * ShadesPerRamp +
                                (shade < 0 ? 0 : shade > 7 ? 7 : shade));
}

namespace jungle { enum : int { Soil, Rock, Grass, Leaf, Bark, Swamp, Bloom, Amber }; }
namespace harbour { enum : int { Stone, Brick, Plank, Sea, Rope, Weed, Lamp, Iron }; }
namespace base { enum : int { Concrete, Steel, Hazard, Drab, Rust, Signal, Acid, Glass }; }
namespace under { enum : int { Basalt, Lava, Bone, Crystal, Ember, Ash, Gore, Sulfur }; }
namespace home { enum : int { Meadow, Earth, Cobble, Lake, Blossom, Gold, Marble, Timber }; }

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

constexpr int SegmentCount = 5;

// The 256 colours of a file: black at 0, the shared range, and segment's tile range
// (segment 1..5). Every file but the tile sheets of segments 2..5 uses segment 1.
struct Palette {
    Rgb entry[256];
};
Palette FilePalette(int segment);
