// The projectile sheets: small shots and the shooters' missiles.
#include "cast.h"
#include "gear.h"
#include "shots.h"
#include "sprites.h"

Canvas DrawAmmoCell(int cell)
{
    Canvas c(10, 10);
    switch (cell) {
    case 0:
        // The hero's energy bolt: a white-hot core in a yellow glow.
        c.fillEllipse(5, 5, 4, 3, Col(RampYellow, 5));
        c.fillEllipse(5, 5, 4, 2, Col(RampYellow, 6));
        c.fillEllipse(6, 5, 2, 1, Col(RampGrey, 7));
        c.line(0, 5, 9, 5, Col(RampYellow, 7));
        c.set(1, 3, Col(RampYellow, 4));
        c.set(1, 7, Col(RampYellow, 4));
        break;
    case 1:
        DrawFireball(c, {6, 5}, 4);
        c = c.flippedX();  // flies left
        break;
    case 2:
        DrawStar(c, {5, 5}, 4);
        c.outline(Ink);
        break;
    default:
        break;
    }
    return c;
}

Canvas DrawAmmo2Cell(int cell)
{
    Canvas c(SpriteW, SpriteH);
    switch (cell) {
    case 0:
        DrawArrow(c, ArcherArrowNock(), 30);
        break;
    case 1:
        DrawBolt(c, FlyDroidMuzzle() + Vec{6, 0}, 14, RampMagenta);
        break;
    case 2:
        DrawBone(c, SkelThrowHand(), {1, -0.4f}, 11);
        break;
    default:
        return c;
    }
    return Finish(c, true);  // every one of them flies left
}
