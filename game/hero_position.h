#pragma once
// Where the hero stands in the map, as the ground step computes it at its start, before any
// step down of the frame; the tile tests at the end of the frame use the same values.

extern int HeroTileRow;     // the map row at the hero's body
extern int HeroWallColumn;  // the column ahead of him that the wall test looks at

// HeroTileRow and HeroWallColumn for the current view, jump and facing.
void LocateHero();
