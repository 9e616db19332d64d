// Quorax: a bare-chested warrior with a red headband, blue breeches, brown boots
// and a blaster pistol.
#include "figure.h"
#include "gear.h"
#include "sprites.h"

namespace {

enum class HeroPose { Stand, StrideA, StrideB, Fire, Jump, Crouch };

constexpr Mat HeadbandRed{RampRed, 5};
constexpr Mat HairBrown{RampBrown, 1};
constexpr Mat StrapLeather{RampBrown, 3};

Pose PoseOf(HeroPose p)
{
    Pose s;
    switch (p) {
    case HeroPose::Stand:
        s.nearArm = {10, 72};
        s.farArm = {-12, 0};
        s.nearLeg = {8, -2};
        s.farLeg = {-8, 2};
        break;
    case HeroPose::StrideA:
        s.lean = 6;
        s.nearArm = {-12, 30};
        s.farArm = {35, 80};
        s.nearLeg = {32, 8};
        s.farLeg = {-22, -50};
        break;
    case HeroPose::StrideB:
        s.lean = 6;
        s.nearArm = {35, 80};
        s.farArm = {-30, 0};
        s.nearLeg = {-22, -50};
        s.farLeg = {32, 8};
        break;
    case HeroPose::Fire:
        s.lean = 8;
        s.nearArm = {112, 98};  // gun arm out at head height
        s.farArm = {-25, 20};
        s.nearLeg = {22, 2};
        s.farLeg = {-20, -4};
        break;
    case HeroPose::Jump:
        s.lean = 10;
        s.nearArm = {150, 175};
        s.farArm = {165, 185};
        s.nearLeg = {105, 5};
        s.farLeg = {70, -35};
        break;
    case HeroPose::Crouch:
        s.lean = 28;
        s.nearArm = {75, 92};
        s.farArm = {25, 60};
        s.nearLeg = {95, -15};
        s.farLeg = {72, -40};
        break;
    }
    return s;
}

Look HeroLook(HeroPose p)
{
    Look l;
    l.build.shoulder = 9;
    l.build.waist = 6;
    l.build.armW = 7;
    l.build.legW = 7;
    l.build.handR = 2;
    l.build.headRy = 6;
    l.upperArm = l.forearm = l.hand = l.torso = l.skin = Mat{RampSkin, 4};
    l.thigh = l.shin = Mat{RampBlue, 3};
    l.boot = Mat{RampBrown, 2};
    l.hips = Mat{RampBrown, 2};
    l.body = [](Canvas& c, const Joints& j) {
        // Muscle lines and the bandolier across the chest.
        const Point pec = Px(j.neck - j.up * 8.0f + j.fwd * 5.0f);
        c.line(pec.x - 5, pec.y - 1, pec.x, pec.y, Col(RampSkin, 2));
        c.line(pec.x - 4, pec.y - 2, pec.x, pec.y - 1, Col(RampSkin, 5));
        const Point abs = Px(j.hip + j.up * 8.0f + j.fwd * 2.0f);
        c.line(abs.x - 2, abs.y - 3, abs.x + 1, abs.y - 3, Col(RampSkin, 3));
        c.line(abs.x - 2, abs.y, abs.x + 1, abs.y, Col(RampSkin, 3));
        const Point s0 = Px(j.shoulderN - j.fwd * 2.0f), s1 = Px(j.hip + j.up * 3.0f + j.fwd * 5.0f);
        c.line(s0.x, s0.y, s1.x, s1.y, StrapLeather(0), 2);
        c.line(s0.x, s0.y - 1, s1.x, s1.y - 1, StrapLeather(2));
        const Point b = Px(j.hip + j.up * 1.0f + j.fwd * 3.0f);
        c.fillRect(b.x - 1, b.y - 1, 3, 3, Col(RampYellow, 5));
    };
    l.head = [](Canvas& c, const Joints& j) {
        const Point h = Px(j.head);
        // Hair over the crown and down the back, the headband with its tails blowing back.
        c.fillEllipse(h.x - 1, h.y - 4, 5, 3, HairBrown(0));
        c.fillRect(h.x - 5, h.y - 4, 3, 8, HairBrown(0));
        c.line(h.x - 2, h.y - 6, h.x + 2, h.y - 6, HairBrown(2));
        c.fillRect(h.x - 5, h.y - 3, 11, 2, HeadbandRed(0));
        c.line(h.x - 5, h.y - 3, h.x + 5, h.y - 3, HeadbandRed(2));
        c.line(h.x - 6, h.y - 2, h.x - 11, h.y + 1, HeadbandRed(-1), 2);
        c.line(h.x - 6, h.y - 3, h.x - 10, h.y - 4, HeadbandRed(0), 2);
    };
    const bool firing = p == HeroPose::Fire;
    l.front = [l, firing](Canvas& c, const Joints& j) {
        const Vec muzzle = DrawBlaster(c, j.handN, j.handN - j.elbowN);
        DrawHand(c, l, j.handN);
        if (firing) {
            DrawMuzzleFlash(c, muzzle, 3);
        }
    };
    return l;
}

Canvas DrawHero(HeroPose p, bool faceLeft)
{
    Canvas c(SpriteW, SpriteH);
    const Look look = HeroLook(p);
    DrawFigure(c, look, Solve(look.build, PoseOf(p), 44, SpriteH - 1));
    return Finish(c, faceLeft);
}

}  // namespace

Canvas DrawHeroFrame(int f)
{
    // The first four cells of sheets 0 and 1 are the walk and action poses;
    // every other sheet shows its one pose in each cell.
    static constexpr HeroPose row[4] = {HeroPose::Stand, HeroPose::StrideA, HeroPose::StrideB, HeroPose::Fire};
    const int sheet = f / 4, cell = f % 4;
    switch (sheet) {
    case 0:
        return DrawHero(row[cell], false);
    case 1:
        return DrawHero(row[cell], true);
    case 3:
        return DrawHero(HeroPose::Jump, false);
    case 4:
        return DrawHero(HeroPose::Jump, true);
    case 5:
        return DrawHero(HeroPose::Crouch, true);
    case 6:
        return DrawHero(HeroPose::Crouch, false);
    case 7:
        return DrawHero(row[cell], false);
    default:
        return DrawHero(HeroPose::Stand, false);
    }
}
