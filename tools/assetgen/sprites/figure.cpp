#include "figure.h"

#include <algorithm>
#include <array>

namespace {

// Toes dip when the shin swings back and lift a little when it swings forward.
float FootTilt(float lower)
{
    return std::clamp(-lower * 0.8f, -15.0f, 70.0f);
}

std::array<Vec, 5> FootShape(const Build& b, Vec ankle, float tilt)
{
    const Vec f{Dir(90 - tilt)};  // forward along the sole
    const Vec d{-f.y, f.x};       // down, across the sole
    auto at = [&](float a, float dn) { return ankle + f * a + d * dn; };
    const float len = static_cast<float>(b.footLen), h = static_cast<float>(b.footH);
    return {at(-2, -2), at(2, -1), at(len - 1, h - 3), at(len, h - 1), at(-2, h - 1)};
}

void Boot(Canvas& c, const Build& b, Vec ankle, float tilt, Mat m)
{
    const auto s = FootShape(b, ankle, tilt);
    std::vector<Point> pts;
    for (const Vec& v : s) {
        pts.push_back(Px(v));
    }
    c.fillPolygon(pts, m(0));
    const Point heel = Px(s[4]), toe = Px(s[3]);
    c.line(heel.x, heel.y, toe.x, toe.y, m(-2));
    const Point top = Px(s[1]), tip = Px(s[2]);
    c.line(top.x, top.y, tip.x, tip.y, m(2));
}

void Leg(Canvas& c, const Look& l, Vec hip, Vec knee, Vec ankle, float tilt, int dim)
{
    const Build& b = l.build;
    Segment(c, knee, ankle, b.legW - 1, l.shin.darker(dim));
    Segment(c, hip, knee, b.legW, l.thigh.darker(dim));
    Boot(c, b, ankle, tilt, l.boot.darker(dim));
}

void Arm(Canvas& c, const Look& l, Vec sh, Vec el, Vec hand, int dim)
{
    const Build& b = l.build;
    Segment(c, sh, el, b.armW, l.upperArm.darker(dim));
    if (b.armW >= 6) {
        Blob(c, sh + (el - sh) * 0.2f, b.armW / 2 + 1, b.armW / 2 + 1, l.upperArm.darker(dim));  // shoulder muscle
    }
    Segment(c, el, hand, b.armW - 1, l.forearm.darker(dim));
    Blob(c, hand, b.handR, b.handR, l.hand.darker(dim));
}

void Torso(Canvas& c, const Look& l, const Joints& j)
{
    const Build& b = l.build;
    const Vec top = j.neck - j.up * 1.0f, bottom = j.hip + j.up * 2.0f;
    const float sh = static_cast<float>(b.shoulder), wa = static_cast<float>(b.waist);
    // Broad at the shoulders, tapering to the waist.
    RimPolygon(c, {Px(top - j.fwd * sh), Px(top + j.fwd * sh), Px(top + j.fwd * (wa + 2) - j.up * 8),
                   Px(bottom + j.fwd * wa), Px(bottom - j.fwd * wa), Px(top - j.fwd * (wa + 1) - j.up * 9)},
               l.torso);
    // Shadow down the back, light across the chest.
    const Point s0 = Px(top - j.fwd * (sh - 2) - j.up * 1), s1 = Px(bottom - j.fwd * (wa - 2));
    c.line(s0.x, s0.y, s1.x, s1.y, l.torso(-1), 2);
    const Point chest = Px(top + j.fwd * (sh / 3) - j.up * 3);
    c.fillEllipse(chest.x, chest.y, b.shoulder / 2, 2, l.torso(1));
    // Hips: the band the legs hang from.
    RimPolygon(c, {Px(bottom - j.fwd * (wa + 1) + j.up * 1), Px(bottom + j.fwd * (wa + 1) + j.up * 1),
                   Px(j.hip + j.fwd * (wa + 1) - j.up * 4), Px(j.hip - j.fwd * (wa + 1) - j.up * 4)},
               l.hips);
}

void Head(Canvas& c, const Look& l, const Joints& j)
{
    const Build& b = l.build;
    Segment(c, j.neck - j.up * 1.0f, j.head - j.up * 2.0f, 5, l.skin);
    if (!l.face) {
        return;
    }
    Blob(c, j.head, b.headRx, b.headRy, l.skin);
    const Point h = Px(j.head);
    // Jaw and nose toward the facing side, an eye and an ear.
    c.fillRect(h.x + b.headRx - 1, h.y, 2, 2, l.skin(0));
    c.set(h.x + b.headRx + 1, h.y, l.skin(-1));
    c.fillRect(h.x + 2, h.y - 1, 2, 2, Col(RampGrey, 7));
    c.set(h.x + 3, h.y - 1, Col(RampNavy, 1));
    c.line(h.x + 1, h.y - 3, h.x + 4, h.y - 3, l.skin(-3));
    c.set(h.x - 1, h.y + 1, l.skin(-2));
    c.line(h.x + 2, h.y + b.headRy - 2, h.x + b.headRx - 1, h.y + b.headRy - 2, l.skin(-2));
}

}  // namespace

Joints Solve(const Build& b, const Pose& p, float centreX, int groundY)
{
    Joints j{};
    j.up = Dir(180 - p.lean);
    j.fwd = Dir(90 - p.lean);
    j.hip = {centreX, 0};
    j.neck = j.hip + j.up * b.torso;
    j.head = j.neck + j.up * (b.neck + b.headRy);
    j.shoulderN = j.neck - j.up * 3.0f + j.fwd * 1.0f;
    j.shoulderF = j.neck - j.up * 3.0f - j.fwd * 1.0f;
    j.elbowN = j.shoulderN + Dir(p.nearArm.upper) * b.upperArm;
    j.handN = j.elbowN + Dir(p.nearArm.lower) * b.forearm;
    j.elbowF = j.shoulderF + Dir(p.farArm.upper) * b.upperArm;
    j.handF = j.elbowF + Dir(p.farArm.lower) * b.forearm;
    j.hipN = j.hip + j.fwd * 1.0f;
    j.hipF = j.hip - j.fwd * 1.0f;
    j.kneeN = j.hipN + Dir(p.nearLeg.upper) * b.thigh;
    j.ankleN = j.kneeN + Dir(p.nearLeg.lower) * b.shin;
    j.kneeF = j.hipF + Dir(p.farLeg.upper) * b.thigh;
    j.ankleF = j.kneeF + Dir(p.farLeg.lower) * b.shin;
    j.footN = FootTilt(p.nearLeg.lower);
    j.footF = FootTilt(p.farLeg.lower);

    float lowest = -1000;
    for (const Vec& v : FootShape(b, j.ankleN, j.footN)) {
        lowest = std::max(lowest, v.y);
    }
    for (const Vec& v : FootShape(b, j.ankleF, j.footF)) {
        lowest = std::max(lowest, v.y);
    }
    const Vec shift{0, groundY - p.lift - lowest};
    for (Vec* v : {&j.hip, &j.neck, &j.head, &j.shoulderN, &j.elbowN, &j.handN, &j.shoulderF, &j.elbowF,
                   &j.handF, &j.hipN, &j.kneeN, &j.ankleN, &j.hipF, &j.kneeF, &j.ankleF}) {
        *v = *v + shift;
    }
    return j;
}

Build Scaled(Build b, float k)
{
    for (float* v : {&b.shin, &b.thigh, &b.torso, &b.neck, &b.upperArm, &b.forearm}) {
        *v *= k;
    }
    for (int* v : {&b.headRx, &b.headRy, &b.shoulder, &b.waist, &b.armW, &b.legW, &b.footLen}) {
        *v = static_cast<int>(*v * k + 0.5f);
    }
    return b;
}

void DrawHand(Canvas& c, const Look& look, Vec at)
{
    Blob(c, at, look.build.handR, look.build.handR, look.hand);
}

void DrawFigure(Canvas& c, const Look& l, const Joints& j)
{
    if (l.back) {
        l.back(c, j);
    }
    Arm(c, l, j.shoulderF, j.elbowF, j.handF, 1);
    Leg(c, l, j.hipF, j.kneeF, j.ankleF, j.footF, 1);
    Leg(c, l, j.hipN, j.kneeN, j.ankleN, j.footN, 0);
    if (l.trunk) {
        l.trunk(c, j);
    } else {
        Torso(c, l, j);
    }
    if (l.body) {
        l.body(c, j);
    }
    Head(c, l, j);
    if (l.head) {
        l.head(c, j);
    }
    Arm(c, l, j.shoulderN, j.elbowN, j.handN, 0);
    if (l.front) {
        l.front(c, j);
    }
}
