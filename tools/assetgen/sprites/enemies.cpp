// Dispatch from enemy kind and frame to the painter of that kind.
#include "cast.h"
#include "sprites.h"

int EnemyFrameCount(EnemyKind kind)
{
    switch (kind) {
    case KindArcher:
    case KindSkelShoot:
        return 3;
    case KindFlyDroid:
    case KindRDino:
        return 2;
    case KindNinja:
        return 4;
    default:
        return 8;
    }
}

Canvas DrawEnemyFrame(EnemyKind kind, int f)
{
    if (f < 0 || f >= EnemyFrameCount(kind)) {
        return Canvas(SpriteW, SpriteH);
    }
    switch (kind) {
    case KindBarb: return DrawBarbFrame(f);
    case KindDino: return DrawDinoFrame(f);
    case KindRDino: return DrawRDinoFrame(f);
    case KindPirate: return DrawPirateFrame(f);
    case KindArcher: return DrawArcherFrame(f);
    case KindNinja: return DrawNinjaFrame(f);
    case KindArmyMan: return DrawArmyManFrame(f);
    case KindFlyDroid: return DrawFlyDroidFrame(f);
    case KindGroundDroid: return DrawGroundDroidFrame(f);
    case KindSkelGround: return DrawSkelGroundFrame(f);
    case KindSkelShoot: return DrawSkelShootFrame(f);
    case KindDevil: return DrawDevilFrame(f);
    case EnemyKindCount: break;
    }
    return Canvas(SpriteW, SpriteH);
}
