// The green raptor and the red tyrant boss that breathes fire.
#include "cast.h"
#include "gear.h"
#include "shots.h"
#include "sprites.h"

namespace {

struct Hide {
    Mat back;   // scales
    Mat belly;
    Mat stripe;
};

constexpr Hide RaptorHide{{RampGreen, 4}, {RampSand, 4}, {RampMoss, 2}};
constexpr Hide TyrantHide{{RampRed, 4}, {RampOrange, 5}, {RampCrimson, 2}};

// A digitigrade leg: thigh, shin, long foot bone and three forward toes.
void BeastLeg(Canvas& c, Vec hip, float thigh, float shin, float meta, float k, float wk, Mat m)
{
    const Vec knee = hip + Dir(thigh) * (13 * k);
    const Vec ankle = knee + Dir(shin) * (13 * k);
    const Vec foot = ankle + Dir(meta) * (9 * k);
    Segment(c, foot, foot + Vec{7 * wk, 0}, static_cast<int>(3 * wk), m.darker());
    Segment(c, ankle, foot, static_cast<int>(4 * wk), m);
    Segment(c, knee, ankle, static_cast<int>(5 * wk), m);
    Segment(c, hip, knee, static_cast<int>(9 * wk), m);
    const Point t = Px(foot + Vec{7 * wk, 0});
    c.line(t.x, t.y, t.x + 2, t.y + 1, Col(RampBone, 6));
}

struct Gait {
    float thigh, shin, meta;
};

// Walk phases for the near leg; the far leg runs a phase behind.
constexpr Gait RaptorGait[3] = {{38, -22, 28}, {10, -35, 20}, {-22, -55, -5}};
constexpr Gait RaptorLifted{50, -5, -40};

void RaptorHead(Canvas& c, Vec at, float jaw, const Hide& h)
{
    const Point p = Px(at);
    // Upper skull and snout; the lower jaw swings open by `jaw` pixels at its tip.
    c.fillPolygon({{p.x - 6, p.y - 4}, {p.x + 2, p.y - 6}, {p.x + 13, p.y - 2}, {p.x + 14, p.y + 1}, {p.x - 5, p.y + 3}},
                  h.back(0));
    c.fillPolygon({{p.x - 4, p.y + 2}, {p.x + 12, p.y + 2 + static_cast<int>(jaw)}, {p.x + 11, p.y + 4 + static_cast<int>(jaw)},
                   {p.x - 3, p.y + 6}},
                  h.belly(-1));
    if (jaw > 0) {
        c.fillPolygon({{p.x - 2, p.y + 2}, {p.x + 13, p.y + 1}, {p.x + 11, p.y + 2 + static_cast<int>(jaw)}}, Col(RampRed, 2));
        for (int x = p.x + 2; x < p.x + 12; x += 3) {
            c.set(x, p.y + 2, Col(RampGrey, 7));
        }
    }
    c.line(p.x - 4, p.y - 4, p.x + 9, p.y - 3, h.back(2));
    c.fillRect(p.x + 1, p.y - 3, 2, 2, Col(RampYellow, 6));
    c.set(p.x + 2, p.y - 3, Col(RampGrey, 0));
    c.line(p.x + 1, p.y - 5, p.x + 4, p.y - 4, h.stripe(0));
}

Canvas Raptor(int phase, bool strike)
{
    Canvas c(SpriteW, SpriteH);
    const Hide& h = RaptorHide;
    const Vec hip{42, 40};
    const Gait nearG = strike ? Gait{45, -15, 30} : RaptorGait[phase];
    const Gait farG = strike ? Gait{-25, -55, -5} : phase == 1 ? RaptorLifted : RaptorGait[2 - phase];
    BeastLeg(c, hip - Vec{2, 0}, farG.thigh, farG.shin, farG.meta, 1.0f, 1.0f, h.back.darker(2));
    // Tail: a tapering wedge held out straight for balance.
    const float tailLift = strike ? -6.0f : (phase == 1 ? -1.0f : 1.0f);
    c.fillPolygon({Px(hip + Vec{-4, -9}), Px(hip + Vec{-38, -12 + tailLift}), Px(hip + Vec{-36, -9 + tailLift}),
                   Px(hip + Vec{-4, 2})},
                  h.back(-1));
    c.line(hip.x - 5, hip.y - 8, hip.x - 36, hip.y - 11 + tailLift, h.back(1));
    // Body, belly and stripes.
    c.fillEllipse(46, 36, 13, 8, h.back(0));
    c.fillEllipse(48, 40, 10, 4, h.belly(0));
    c.fillEllipse(44, 31, 8, 3, h.back(2));
    for (int x = 36; x <= 52; x += 5) {
        c.line(x, 29, x - 2, 35, h.stripe(0), 2);
    }
    // Neck and head: upright when walking, thrust forward with open jaws when striking.
    const Vec headAt = strike ? Vec{70, 26} : Vec{64, 13 + (phase == 1 ? 1.0f : 0.0f)};
    Segment(c, {56, 34}, headAt + Vec{-2, 2}, 8, h.back);
    RaptorHead(c, headAt, strike ? 7.0f : 0.0f, h);
    // Small clawed arms.
    const Vec arm = strike ? Vec{66, 38} : Vec{60, 44};
    Segment(c, {56, 37}, arm, 3, h.back.darker());
    c.line(static_cast<int>(arm.x), static_cast<int>(arm.y), static_cast<int>(arm.x) + 2,
           static_cast<int>(arm.y) + 2, Col(RampBone, 6));
    BeastLeg(c, hip + Vec{2, 0}, nearG.thigh, nearG.shin, nearG.meta, 1.0f, 1.0f, h.back);
    return Grounded(c);
}

// The tyrant's head sits so that its mouth opens where its fireball starts.
Canvas Tyrant(bool firing)
{
    Canvas c(SpriteW, SpriteH);
    const Hide& h = TyrantHide;
    // Far leg, tail, body.
    BeastLeg(c, {44, 45}, -10, -35, 15, 0.85f, 1.6f, h.back.darker(2));
    c.fillPolygon({{30, 30}, {2, 30}, {0, 34}, {34, 52}}, h.back(-1));
    c.line(30, 31, 2, 31, h.back(1));
    c.fillEllipse(43, 39, 23, 16, h.back(0));
    c.fillEllipse(50, 45, 15, 7, h.belly(0));
    c.fillEllipse(40, 30, 13, 5, h.back(2));
    for (int x = 28; x <= 56; x += 7) {
        c.fillPolygon({{x - 3, 25 + (x - 28) / 7}, {x, 18 + (x - 28) / 7}, {x + 3, 25 + (x - 28) / 7}}, h.stripe(1));
    }
    // Thick neck rising to the head at the top right.
    Segment(c, {58, 32}, {68, 20}, 15, h.back);
    // Skull: long upper jaw ending at the cell edge, lower jaw hinged below.
    const int jaw = firing ? 9 : 0;
    c.fillPolygon({{62, 10}, {74, 4}, {88, 7}, {93, 12}, {93, 16}, {66, 20}}, h.back(0));
    c.fillPolygon({{66, 20}, {91, 17 + jaw}, {90, 21 + jaw}, {68, 26}}, h.belly(-1));
    if (firing) {
        c.fillPolygon({{68, 19}, {93, 16}, {91, 17 + jaw}}, Col(RampRed, 1));
        DrawFireball(c, {88, 17}, 4);
    }
    for (int x = 72; x <= 90; x += 3) {
        c.set(x, 16, Col(RampGrey, 7));
        c.set(x + 1, 18 + jaw * (x - 66) / 25, Col(RampGrey, 7));
    }
    c.line(66, 7, 86, 7, h.back(2));
    c.fillRect(74, 9, 3, 2, Col(RampYellow, 6));
    c.set(75, 9, Col(RampGrey, 0));
    c.line(72, 7, 78, 8, h.stripe(-1), 2);  // brow ridge
    c.set(90, 10, h.stripe(-1));            // nostril
    // Tiny arms, near leg.
    Segment(c, {60, 40}, {66, 46}, 3, h.back.darker());
    BeastLeg(c, {50, 46}, 20, -25, 20, 0.85f, 1.6f, h.back);
    return c;
}

}  // namespace

Canvas DrawDinoFrame(int f)
{
    const bool strike = f >= 6;
    const bool faceLeft = strike ? f == 6 : f < 3;
    return Finish(Raptor(strike ? 0 : f % 3, strike), faceLeft);
}

Canvas DrawRDinoFrame(int f)
{
    return Finish(Tyrant(f == 1), true);
}
