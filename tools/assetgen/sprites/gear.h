#pragma once
// Hand-held gear and effects, posed by a grip point and a pointing direction.
#include "paint.h"

// A blaster pistol held at `hand`, barrel along `dir`; returns the muzzle point.
Vec DrawBlaster(Canvas& c, Vec hand, Vec dir);
// A bright starburst of radius r, white at the heart.
void DrawMuzzleFlash(Canvas& c, Vec at, int r);
// A straight or curved blade of length len gripped at `hand`.
void DrawBlade(Canvas& c, Vec hand, Vec dir, float len, bool curved);
// A long-handled axe gripped near the end of its haft.
void DrawAxe(Canvas& c, Vec hand, Vec dir);
// A rifle with bayonet held at `hand`, pointing along `dir`; returns the muzzle point.
Vec DrawRifle(Canvas& c, Vec hand, Vec dir);
// A longbow held upright at `hand`; `drawn` pulls the string back to `pull`.
void DrawBow(Canvas& c, Vec hand, bool drawn, Vec pull);
// A throwing star centred at `at`.
void DrawStar(Canvas& c, Vec at, int r);
// A bone lying along `dir`, centred at `at`.
void DrawBone(Canvas& c, Vec at, Vec dir, float len);
// A three-pronged fork on a long shaft gripped at `hand`.
void DrawTrident(Canvas& c, Vec hand, Vec dir);
// Short light streaks above a weapon swung down onto `at`.
void DrawSwingLines(Canvas& c, Vec at);
// Unit length copy of v.
Vec Unit(Vec v);
