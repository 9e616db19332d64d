#pragma once
// Projectiles, drawn flying toward +x (callers mirror for flights to the left).
#include "paint.h"

// An arrow whose nock sits at `nock`, pointing forward, len pixels long.
void DrawArrow(Canvas& c, Vec nock, float len);
// A crackling energy bolt centred at `at`, glowing in `ramp`.
void DrawBolt(Canvas& c, Vec at, int len, Ramp ramp);
// A fireball centred at `at` with its tail behind.
void DrawFireball(Canvas& c, Vec at, int r);
