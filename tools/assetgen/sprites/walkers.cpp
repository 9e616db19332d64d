// The barbarian, the pirate and the army man: humanoid walkers with hand weapons.
#include "cast.h"
#include "gear.h"
#include "humanoid.h"

namespace {

Look BarbLook(bool strike)
{
    Look l;
    l.build.shoulder = 10;
    l.build.waist = 7;
    l.build.armW = 7;
    l.build.legW = 7;
    l.skin = l.upperArm = l.forearm = l.hand = Mat{RampSkin, 3};
    l.thigh = l.shin = Mat{RampSkin, 3};
    l.boot = Mat{RampSand, 3};  // fur wraps
    l.torso = Mat{RampSkin, 3};
    l.hips = Mat{RampSand, 3};
    l.body = [](Canvas& c, const Joints& j) {
        // Fur pelt over one shoulder and a shaggy loincloth.
        const Mat fur{RampSand, 3};
        const Vec top = j.neck - j.up * 1.0f;
        RimPolygon(c, {Px(top - j.fwd * 9.0f), Px(top + j.fwd * 2.0f), Px(j.hip + j.up * 9.0f + j.fwd * 6.0f),
                       Px(j.hip + j.up * 4.0f - j.fwd * 7.0f)},
                   fur);
        for (int k = 0; k < 5; ++k) {
            const Point p = Px(top - j.fwd * (7.0f - 2.5f * k) - j.up * (4.0f + 3.0f * k));
            c.line(p.x, p.y, p.x - 1, p.y + 2, fur(-2));
        }
        for (int k = -3; k <= 3; ++k) {
            const Point p = Px(j.hip + j.fwd * (2.0f * k));
            c.fillRect(p.x - 1, p.y - 2, 2, 7 - (k & 1) * 2, fur(k & 1 ? 1 : -1));
        }
        const Point b = Px(j.hip + j.up * 3.0f);
        c.line(b.x - 7, b.y, b.x + 7, b.y, Col(RampBrown, 1), 2);
    };
    l.head = [](Canvas& c, const Joints& j) {
        // Wild red mane and beard, horned iron cap.
        const Point h = Px(j.head);
        const Mat hair{RampRust, 4};
        c.fillEllipse(h.x - 4, h.y + 1, 3, 6, hair(-1));
        c.fillRect(h.x + 1, h.y + 3, 5, 4, hair(0));
        c.line(h.x + 2, h.y + 3, h.x + 5, h.y + 3, hair(2));
        c.fillEllipse(h.x, h.y - 4, 6, 3, Col(RampSteel, 3));
        c.line(h.x - 6, h.y - 3, h.x + 6, h.y - 3, Col(RampSteel, 1));
        c.line(h.x - 5, h.y - 5, h.x + 3, h.y - 6, Col(RampSteel, 5));
        c.line(h.x - 6, h.y - 4, h.x - 9, h.y - 8, Col(RampBone, 6), 2);
        c.line(h.x + 5, h.y - 4, h.x + 8, h.y - 8, Col(RampBone, 5), 2);
    };
    l.front = [l, strike](Canvas& c, const Joints& j) {
        DrawAxe(c, j.handN, j.handN - j.elbowN);
        DrawHand(c, l, j.handN);
        if (strike) {
            DrawSwingLines(c, j.handN + (j.handN - j.elbowN) * 1.2f);
        }
    };
    return l;
}

Look PirateLook(bool strike)
{
    Look l;
    l.build.shoulder = 8;
    l.upperArm = Mat{RampBone, 5};
    l.forearm = l.hand = l.skin = Mat{RampSkin, 4};
    l.thigh = l.shin = Mat{RampNavy, 4};
    l.boot = Mat{RampGrey, 2};
    l.torso = Mat{RampBone, 5};
    l.hips = Mat{RampBrown, 2};
    l.body = [](Canvas& c, const Joints& j) {
        // Red stripes across the shirt, a sash at the waist.
        for (int k = 0; k < 4; ++k) {
            const Vec at = j.neck - j.up * (4.0f + 4.5f * k);
            const Point a = Px(at - j.fwd * 7.0f), b = Px(at + j.fwd * 7.0f);
            c.line(a.x, a.y, b.x, b.y, Col(RampRed, 4), 2);
        }
        const Point s = Px(j.hip + j.up * 2.0f);
        c.fillRect(s.x - 7, s.y - 1, 14, 3, Col(RampRed, 3));
        c.line(s.x - 6, s.y + 1, s.x - 9, s.y + 7, Col(RampRed, 3), 2);
    };
    l.head = [](Canvas& c, const Joints& j) {
        // Red bandana with a knot, black beard, eye patch.
        const Point h = Px(j.head);
        c.fillEllipse(h.x, h.y - 3, 6, 4, Col(RampRed, 4));
        c.fillRect(h.x - 6, h.y - 3, 12, 2, Col(RampRed, 4));
        c.line(h.x - 4, h.y - 6, h.x + 2, h.y - 7, Col(RampRed, 6));
        c.line(h.x - 6, h.y - 1, h.x - 10, h.y + 3, Col(RampRed, 3), 2);
        c.fillEllipse(h.x + 1, h.y + 4, 4, 3, Col(RampGrey, 1));
        c.fillRect(h.x + 2, h.y - 1, 3, 2, Col(RampGrey, 0));
        c.line(h.x - 3, h.y - 2, h.x + 3, h.y - 1, Col(RampGrey, 0));
        c.fillCircle(h.x - 5, h.y + 2, 1, Col(RampYellow, 6));  // earring
    };
    l.front = [l, strike](Canvas& c, const Joints& j) {
        DrawBlade(c, j.handN, j.handN - j.elbowN, 17, true);
        DrawHand(c, l, j.handN);
        if (strike) {
            DrawSwingLines(c, j.handN + (j.handN - j.elbowN) * 1.2f);
        }
    };
    return l;
}

Look ArmyLook(bool strike)
{
    Look l;
    const Mat drab{RampOlive, 3};
    l.upperArm = l.forearm = drab;
    l.hand = l.skin = Mat{RampSkin, 4};
    l.thigh = l.shin = Mat{RampOlive, 2};
    l.boot = Mat{RampGrey, 2};
    l.torso = drab;
    l.hips = Mat{RampBrown, 2};
    l.body = [](Canvas& c, const Joints& j) {
        // Webbing, pouches and a breast pocket.
        const Point p = Px(j.neck - j.up * 7.0f + j.fwd * 3.0f);
        c.rect(p.x - 2, p.y - 1, 4, 4, Col(RampOlive, 1));
        const Point s0 = Px(j.shoulderN + j.fwd * 1.0f), s1 = Px(j.hip + j.up * 3.0f - j.fwd * 4.0f);
        c.line(s0.x, s0.y, s1.x, s1.y, Col(RampSand, 2), 2);
        const Point b = Px(j.hip + j.up * 2.0f);
        c.fillRect(b.x - 6, b.y - 1, 12, 3, Col(RampSand, 2));
        c.fillRect(b.x + 2, b.y - 2, 3, 4, Col(RampOlive, 1));
        c.fillRect(b.x - 5, b.y - 2, 3, 4, Col(RampOlive, 1));
    };
    l.head = [](Canvas& c, const Joints& j) {
        // Steel pot helmet with a rim and chin strap.
        const Point h = Px(j.head);
        c.fillEllipse(h.x - 1, h.y - 3, 7, 5, Col(RampOlive, 2));
        c.fillEllipse(h.x - 2, h.y - 5, 3, 2, Col(RampOlive, 4));
        c.fillRect(h.x - 9, h.y - 1, 18, 2, Col(RampOlive, 1));
        c.line(h.x + 3, h.y + 1, h.x + 1, h.y + 5, Col(RampBrown, 1));
    };
    l.front = [l, strike](Canvas& c, const Joints& j) {
        // Rifle carried level, bayonet thrust forward in the strike.
        const Vec d = strike ? Vec{1, 0.05f} : Vec{1, 0.35f};
        DrawRifle(c, j.handN, d);
        DrawHand(c, l, j.handN);
        if (strike) {
            const Point tip = Px(j.handN + Vec{22, 1});
            c.line(tip.x + 1, tip.y - 3, tip.x + 4, tip.y - 5, Col(RampGrey, 7));
            c.line(tip.x + 1, tip.y + 3, tip.x + 4, tip.y + 5, Col(RampGrey, 7));
        }
    };
    return l;
}

}  // namespace

Canvas DrawBarbFrame(int f)
{
    return EightFrameHumanoid(f, BarbLook);
}

Canvas DrawPirateFrame(int f)
{
    return EightFrameHumanoid(f, PirateLook);
}

Canvas DrawArmyManFrame(int f)
{
    return EightFrameHumanoid(f, ArmyLook, 42);
}
