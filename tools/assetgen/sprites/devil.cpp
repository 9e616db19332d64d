// The devil boss: a towering red fiend with horns, bat wings, a barbed tail and a trident.
#include "cast.h"
#include "gear.h"
#include "humanoid.h"

namespace {

constexpr Mat Hide{RampRed, 4};
constexpr Mat Wing{RampCrimson, 2};

void Wings(Canvas& c, const Joints& j)
{
    // Two bat wings spread up and back from the shoulder blades.
    const Vec root = j.neck - j.up * 4.0f - j.fwd * 3.0f;
    for (int side = 0; side < 2; ++side) {
        const float reach = side == 0 ? 1.0f : 0.75f;
        const Vec tip = root + Vec{-30 * reach, -14 * reach}, elbow = root + Vec{-14 * reach, -18 * reach};
        const Vec low1 = root + Vec{-30 * reach, 0}, low2 = root + Vec{-18 * reach, 8}, low3 = root + Vec{-6, 12};
        const Mat m = Wing.darker(side);
        c.fillPolygon({Px(root), Px(elbow), Px(tip), Px(low1), Px(low2), Px(low3)}, m(0));
        for (const Vec& rib : {tip, low1, low2}) {
            const Point a = Px(elbow), b = Px(rib);
            c.line(a.x, a.y, b.x, b.y, m(-2));
        }
        const Point r = Px(root), e = Px(elbow), t = Px(tip);
        c.line(r.x, r.y, e.x, e.y, m(2), 2);
        c.line(e.x, e.y, t.x, t.y, m(1), 2);
    }
}

void Tail(Canvas& c, const Joints& j)
{
    const Vec a = j.hip - j.fwd * 4.0f, b = a + Vec{-10, 8}, d = a + Vec{-20, 4}, e = a + Vec{-24, -4};
    for (auto [p, q] : {std::pair{a, b}, std::pair{b, d}, std::pair{d, e}}) {
        const Point s = Px(p), t = Px(q);
        c.line(s.x, s.y, t.x, t.y, Hide(-1), 3);
    }
    const Point t = Px(e);
    c.fillPolygon({{t.x - 3, t.y + 1}, {t.x + 2, t.y + 1}, {t.x - 1, t.y - 5}}, Hide(-2));
}

Look DevilLook(bool strike)
{
    Look l;
    l.build = Scaled(l.build, 1.08f);
    l.build.shoulder = 11;
    l.build.waist = 7;
    l.build.armW = 7;
    l.build.legW = 8;
    l.skin = l.upperArm = l.forearm = l.hand = l.torso = l.thigh = Hide;
    l.shin = Hide.darker();
    l.boot = Mat{RampGrey, 1};  // cloven hooves
    l.hips = Mat{RampGrey, 2};
    l.back = [](Canvas& c, const Joints& j) {
        Wings(c, j);
        Tail(c, j);
    };
    l.body = [](Canvas& c, const Joints& j) {
        const Point pec = Px(j.neck - j.up * 8.0f + j.fwd * 5.0f);
        c.line(pec.x - 6, pec.y - 1, pec.x, pec.y, Hide(-2));
        const Point abs = Px(j.hip + j.up * 8.0f + j.fwd * 2.0f);
        c.line(abs.x - 2, abs.y - 3, abs.x + 2, abs.y - 3, Hide(-1));
        c.line(abs.x - 2, abs.y, abs.x + 2, abs.y, Hide(-1));
    };
    l.head = [](Canvas& c, const Joints& j) {
        // Curved horns, glowing yellow eye, pointed goatee.
        const Point h = Px(j.head);
        c.line(h.x - 3, h.y - 5, h.x - 6, h.y - 10, Col(RampBone, 5), 3);
        c.line(h.x - 6, h.y - 10, h.x - 3, h.y - 14, Col(RampBone, 6), 2);
        c.line(h.x + 2, h.y - 5, h.x + 4, h.y - 10, Col(RampBone, 4), 3);
        c.line(h.x + 4, h.y - 10, h.x + 8, h.y - 13, Col(RampBone, 5), 2);
        c.fillRect(h.x + 2, h.y - 2, 3, 2, Col(RampYellow, 6));
        c.set(h.x + 4, h.y - 2, Col(RampGrey, 7));
        c.line(h.x + 1, h.y - 3, h.x + 5, h.y - 2, Col(RampGrey, 0));
        c.fillPolygon({{h.x + 1, h.y + 5}, {h.x + 5, h.y + 5}, {h.x + 2, h.y + 10}}, Col(RampGrey, 1));
        c.line(h.x + 2, h.y + 3, h.x + 5, h.y + 3, Col(RampGrey, 1));
    };
    l.front = [l, strike](Canvas& c, const Joints& j) {
        DrawTrident(c, j.handN, strike ? j.handN - j.elbowN : Vec{0.15f, -1});
        DrawHand(c, l, j.handN);
    };
    return l;
}

}  // namespace

Canvas DrawDevilFrame(int f)
{
    return EightFrameHumanoid(f, DevilLook, 52);
}
