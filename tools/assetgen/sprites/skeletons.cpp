// The walking skeleton (rusty sword and helmet) and the bone-throwing skeleton
// (tattered cowl, green eye-glow).
#include "cast.h"
#include "gear.h"
#include "humanoid.h"
#include "sprites.h"

namespace {

constexpr Mat BoneMat{RampBone, 4};

void Ribcage(Canvas& c, const Joints& j)
{
    const Point n = Px(j.neck), h = Px(j.hip + j.up * 2.0f);
    c.line(n.x, n.y, h.x, h.y, BoneMat(-1), 3);  // spine
    for (int k = 0; k < 4; ++k) {
        const Vec at = j.neck - j.up * (4.0f + 3.0f * k);
        const float half = 7.0f - k;
        const Point a = Px(at - j.fwd * half), b = Px(at + j.fwd * half), m = Px(at - j.up * 1.5f);
        c.line(a.x, a.y + 1, m.x, m.y, BoneMat(1), 2);
        c.line(m.x, m.y, b.x, b.y + 1, BoneMat(1), 2);
    }
    const Point s0 = Px(j.shoulderF - j.fwd * 2.0f), s1 = Px(j.shoulderN + j.fwd * 2.0f);
    c.line(s0.x, s0.y, s1.x, s1.y, BoneMat(0), 2);  // collar bones
    const Point p = Px(j.hip);
    c.fillEllipse(p.x, p.y - 1, 5, 3, BoneMat(-1));  // pelvis
    c.fillEllipse(p.x, p.y - 2, 2, 1, Col(RampGrey, 1));
}

void Skull(Canvas& c, const Joints& j, uint8_t eye)
{
    const Point h = Px(j.head);
    c.fillEllipse(h.x, h.y - 1, 5, 5, BoneMat(1));
    c.fillRect(h.x, h.y + 2, 5, 4, BoneMat(1));  // jaw
    c.fillEllipse(h.x - 1, h.y - 3, 2, 1, BoneMat(3));
    c.fillRect(h.x + 2, h.y - 1, 3, 3, Col(RampGrey, 0));  // eye socket
    c.set(h.x + 3, h.y, eye);
    c.set(h.x + 5, h.y + 2, Col(RampGrey, 0));  // nose hole
    for (int x = h.x + 1; x <= h.x + 5; x += 2) {
        c.set(x, h.y + 4, Col(RampGrey, 1));  // teeth
    }
}

Look SkeletonLook()
{
    Look l;
    l.build.armW = 3;
    l.build.legW = 3;
    l.build.handR = 1;
    l.build.footLen = 6;
    l.build.footH = 3;
    l.skin = l.upperArm = l.forearm = l.hand = l.thigh = l.shin = l.boot = BoneMat;
    l.face = false;
    l.trunk = Ribcage;
    return l;
}

Look SwordSkeleton(bool strike)
{
    Look l = SkeletonLook();
    l.head = [](Canvas& c, const Joints& j) {
        Skull(c, j, Col(RampRed, 6));
        const Point h = Px(j.head);
        // Dented rusty helmet.
        c.fillEllipse(h.x - 1, h.y - 4, 6, 3, Col(RampRust, 3));
        c.line(h.x - 7, h.y - 2, h.x + 5, h.y - 2, Col(RampRust, 1), 2);
        c.line(h.x - 3, h.y - 6, h.x + 1, h.y - 6, Col(RampRust, 5));
    };
    l.back = [](Canvas& c, const Joints& j) {
        // Round wooden shield on the far arm.
        const Point s = Px(j.elbowF + Vec{-2, 2});
        c.fillCircle(s.x, s.y, 7, Col(RampBrown, 2));
        c.fillCircle(s.x, s.y, 5, Col(RampBrown, 3));
        c.fillCircle(s.x, s.y, 2, Col(RampRust, 4));
    };
    l.front = [l, strike](Canvas& c, const Joints& j) {
        DrawBlade(c, j.handN, j.handN - j.elbowN, 18, false);
        DrawHand(c, l, j.handN);
        if (strike) {
            DrawSwingLines(c, j.handN + (j.handN - j.elbowN) * 1.2f);
        }
    };
    return l;
}

Look ThrowingSkeleton(int f)
{
    Look l = SkeletonLook();
    l.head = [](Canvas& c, const Joints& j) {
        Skull(c, j, Col(RampGreen, 7));
        const Point h = Px(j.head);
        // Tattered purple cowl draped to the shoulders.
        c.fillPolygon({{h.x - 7, h.y + 9}, {h.x - 7, h.y - 3}, {h.x - 2, h.y - 7}, {h.x + 4, h.y - 6},
                       {h.x + 6, h.y - 3}, {h.x, h.y - 3}, {h.x - 2, h.y + 9}},
                      Col(RampPurple, 2));
        c.line(h.x - 2, h.y - 6, h.x + 4, h.y - 5, Col(RampPurple, 4));
        c.line(h.x - 7, h.y + 9, h.x - 5, h.y + 12, Col(RampPurple, 1), 2);
    };
    // 0 holds a bone at the shoulder, 1 has just let it fly, 2 draws the next from the sack.
    l.back = [](Canvas& c, const Joints& j) {
        const Point s = Px(j.hip - j.fwd * 6.0f);
        c.fillEllipse(s.x, s.y + 2, 5, 6, Col(RampSand, 2));
        c.line(s.x - 2, s.y - 4, s.x + 2, s.y - 7, Col(RampBone, 6), 2);
    };
    l.front = [l, f](Canvas& c, const Joints& j) {
        if (f != 1) {
            DrawBone(c, j.handN, {1, -1.2f}, 10);
        }
        DrawHand(c, l, j.handN);
    };
    return l;
}

Pose ThrowPose(int f)
{
    Pose p;
    p.nearLeg = {18, 2};
    p.farLeg = {-15, -5};
    switch (f) {
    case 0:
        p.lean = -6;
        p.nearArm = {-60, 170};  // cocked back over the shoulder
        p.farArm = {40, 70};
        break;
    case 1:
        p.lean = 12;
        p.nearArm = {110, 95};  // flung forward
        p.farArm = {-35, -10};
        p.nearLeg = {32, 6};
        p.farLeg = {-25, -40};
        break;
    default:
        p.nearArm = {-20, 10};
        p.farArm = {20, 50};
        break;
    }
    return p;
}

}  // namespace

Vec SkelThrowHand()
{
    return Solve(SkeletonLook().build, ThrowPose(1), 47, SpriteH - 1).handN + Vec{3, -1};
}

Canvas DrawSkelGroundFrame(int f)
{
    return EightFrameHumanoid(f, SwordSkeleton);
}

Canvas DrawSkelShootFrame(int f)
{
    return DrawPosed(ThrowingSkeleton(f), ThrowPose(f), true);
}
