#include "humanoid.h"

#include "sprites.h"

Pose WalkPose(int phase)
{
    Pose p;
    p.lean = 4;
    switch (phase) {
    case 0:
        p.nearLeg = {28, 6};
        p.farLeg = {-20, -45};
        p.nearArm = {-5, 40};
        p.farArm = {30, 60};
        break;
    case 1:
        p.nearLeg = {5, -20};
        p.farLeg = {-3, 0};
        p.nearArm = {10, 55};
        p.farArm = {0, 20};
        break;
    default:
        p.nearLeg = {-20, -45};
        p.farLeg = {28, 6};
        p.nearArm = {25, 70};
        p.farArm = {-25, 0};
        break;
    }
    return p;
}

Pose StrikePose()
{
    Pose p;
    p.lean = 14;
    p.nearArm = {100, 85};
    p.farArm = {-35, -10};
    p.nearLeg = {35, 5};
    p.farLeg = {-25, -35};
    return p;
}

Canvas DrawPosed(const Look& look, const Pose& pose, bool faceLeft, float centreX)
{
    Canvas c(SpriteW, SpriteH);
    DrawFigure(c, look, Solve(look.build, pose, centreX, SpriteH - 1));
    return Finish(c, faceLeft);
}

Canvas EightFrameHumanoid(int f, const std::function<Look(bool strike)>& look, float centreX)
{
    const bool strike = f >= 6;
    const bool faceLeft = strike ? f == 6 : f < 3;
    return DrawPosed(look(strike), strike ? StrikePose() : WalkPose(f % 3), faceLeft, strike ? centreX - 7 : centreX);
}
