#pragma once
// Per-kind frame painters behind DrawEnemyFrame.
#include "../canvas.h"

Canvas DrawBarbFrame(int f);
Canvas DrawPirateFrame(int f);
Canvas DrawArmyManFrame(int f);
Canvas DrawArcherFrame(int f);
Canvas DrawNinjaFrame(int f);
Canvas DrawSkelGroundFrame(int f);
Canvas DrawSkelShootFrame(int f);
Canvas DrawDevilFrame(int f);
Canvas DrawDinoFrame(int f);
Canvas DrawRDinoFrame(int f);
Canvas DrawFlyDroidFrame(int f);
Canvas DrawGroundDroidFrame(int f);

// Where each shooter holds its projectile, in the facing-right painting before
// the mirror: the arrow's nock, the droid's muzzle, the skeleton's throwing hand.
#include "paint.h"
Vec ArcherArrowNock();
Vec FlyDroidMuzzle();
Vec SkelThrowHand();
