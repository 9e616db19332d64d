#pragma once
// The world's progression: where the view stands, which segment is on, the hero's health and
// ammunition, and the shifts that keep every world object in its place when the view moves.

extern int WorldPosition;    // world x of the screen's left edge; the hero stands at world x + 275
extern int ViewOffsetY;      // vertical view offset into the map, a multiple of 64
extern int SegmentNumber;    // 1 to 5
extern int HeroHealth;
extern int HeroAmmo;
extern bool TileSetLoaded[4];  // the tile sets of segments 2 to 5
extern bool BetweenSegments;
extern bool AnimateHero;

constexpr int WinPosition = 32300;

// Horizontal scroll shift: WorldPosition has grown by d (shrunk when d < 0); every world
// object's posX moves by -d.
void ShiftWorldObjectsX(int d);
// The same shift for the enemies, their shots and the bosses' objects only (the title screen's
// segment jumps move the hero's shot by a different amount).
void ShiftEnemyObjectsX(int d);
// Vertical view step: ViewOffsetY has grown by d (64 or -64); the objects that keep their own
// screen y (the flying droids, their shots and the hero's shot) move by -d.
void ShiftWorldObjectsY(int d);
