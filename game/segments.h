#pragma once
// The five segments of the world: their walking limits, the gate windows between them, the
// advance to the next segment once its boss is beaten, and the tile-set switch with its refill.

constexpr int SegmentCount = 5;

// A step right that would reach the right limit stops one pixel short of it; a step left that
// would pass the left limit stops on it.
int SegmentRightLimit(int segment);
int SegmentLeftLimit(int segment);

// WorldPosition lies in one of the windows between two segments, where the hero cannot walk left.
bool InGateWindow(int worldPosition);

// The advance tests of segments 1 to 4, each followed by the switch to the next tile set.
// 0 when a switch could not make the tile set (it is tried again in the next frame).
int SegmentProgression();
