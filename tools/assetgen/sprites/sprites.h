#pragma once
// The cast: every frame of the hero, the twelve enemy kinds and the projectiles,
// drawn as palette indices of the shared range (palette_design.h). Index 0 is
// transparent. The sheet builder places each returned cell on its sheet's grid.
#include "../canvas.h"

constexpr int SpriteW = 94;
constexpr int SpriteH = 74;

// Hero frame f (0..31), 94x74, feet on the bottom row. Frame f lies in sheet
// "Quorax{f/4}.BMP", cell f%4 -> (0,0), (1,0), (2,0), (0,1).
//   0 stand R, 1 and 2 stride R (shown 0,1,0,2), 3 punch/fire pose R
//   4 stand L, 5 and 6 stride L, 7 punch/fire pose L
//   8 (never shown), 12 jump R, 16 jump L, 20 crouch L, 24 crouch R, 28..30 (never shown)
// Frames never shown must still hold a sensible picture of the hero.
Canvas DrawHeroFrame(int f);

enum EnemyKind : int {
    KindBarb, KindDino, KindRDino, KindPirate, KindArcher, KindNinja,
    KindArmyMan, KindFlyDroid, KindGroundDroid, KindSkelGround, KindSkelShoot, KindDevil,
    EnemyKindCount
};

// Number of frames the kind's sheet holds: 8 (walkers, GroundDroid, Devil),
// 3 (Archer, SkelShoot), 2 (FlyDroid, RDino), 4 (Ninja).
int EnemyFrameCount(EnemyKind kind);

// Enemy frame f, 94x74:
//   eight-frame kinds: 0-2 walk facing left, 3-5 walk facing right, 6 strike left, 7 strike right
//   Archer, SkelShoot: 0 stand, 1 loose, 2 spare; all facing left
//   FlyDroid, RDino: 0 rest, 1 firing; facing left
//   Ninja: 0 stand, 1 throw (facing left); 2 stand, 3 throw (facing right)
Canvas DrawEnemyFrame(EnemyKind kind, int f);

// "Ammo.BMP" cell 0..2, 10x10: hero bullet, red dinosaur fireball, ninja star.
Canvas DrawAmmoCell(int cell);
// "Ammo2.BMP" cell 0..2, 94x74: archer arrow, flying droid bolt, skeleton bone,
// drawn inside the cell at the height where the shooter holds it.
Canvas DrawAmmo2Cell(int cell);
