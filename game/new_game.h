#pragma once
// What a death and a new game put back besides the world's positions.

// Ends any jump, settling after a step down and shot in flight, so that the hero never comes
// back in mid-air or with a shot still under way.
void ClearHeroMotion();

// Starts a new run from the title: the world back at its start when it is elsewhere (after a
// win), tile set 1 with its palette, full health and ammunition, and the hero at rest, standing
// in his first picture.
void StartNewGame();
