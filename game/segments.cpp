#include "game/segments.h"

#include "game/enemies.h"
#include "game/tile_set.h"
#include "game/world.h"

namespace {

struct Segment {
    int rightLimit;
    int leftLimit;
    int switchPosition;  // where its tile set is loaded (segments 2 to 5)
    int health;          // refills on entry (segments 2 to 5)
    int ammo;
};

constexpr Segment Segments[SegmentCount] = {
    {6500, 0, 0, 0, 0},
    {14700, 7064, 7000, 100, 10},
    {22250, 15264, 15200, 100, 5},
    {30000, 22764, 22700, 150, 10},
    {40000, 30400, 30400, 100, 100},
};

// The boss that closes each of segments 1 to 4.
BossState* const Bosses[SegmentCount - 1] = {&RDino, &Ninja, &GroundDroid, &Devil};

struct GateWindow {
    int first;
    int last;
};
constexpr GateWindow GateWindows[] = {{6501, 7064}, {14701, 15264}, {22251, 22764}, {30000, 30400}};

const Segment& SegmentAt(int segment)
{
    if (segment < 1 || segment > SegmentCount) segment = 1;
    return Segments[segment - 1];
}

// The last position a segment can be walked to: beating its boss there opens the next one.
void AdvanceTest(int segment)
{
    if (Bosses[segment - 1]->hitPoints <= 0 && WorldPosition >= Segments[segment - 1].rightLimit - 1) {
        SegmentNumber = segment + 1;
    }
}

int TileSwitch(int segment)
{
    const Segment& entered = Segments[segment - 1];
    if (WorldPosition < entered.switchPosition || TileSetLoaded[segment - 2]) return 1;
    HeroHealth = entered.health;
    HeroAmmo = entered.ammo;
    if (!LoadTileSet(segment)) return 0;
    TileSetLoaded[segment - 2] = true;
    return 1;
}

}  // namespace

int SegmentRightLimit(int segment) { return SegmentAt(segment).rightLimit; }

int SegmentLeftLimit(int segment) { return SegmentAt(segment).leftLimit; }

bool InGateWindow(int worldPosition)
{
    for (const GateWindow& window : GateWindows) {
        if (worldPosition >= window.first && worldPosition <= window.last) return true;
    }
    return false;
}

int SegmentProgression()
{
    for (int segment = 1; segment < SegmentCount; ++segment) {
        AdvanceTest(segment);
        if (!TileSwitch(segment + 1)) return 0;
    }
    return 1;
}
