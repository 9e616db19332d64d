// The archer and the ninja: enemies that stand their ground and shoot or throw.
#include "cast.h"
#include "gear.h"
#include "humanoid.h"
#include "shots.h"
#include "sprites.h"

namespace {

Look ArcherLook(int f)
{
    Look l;
    const Mat tunic{RampMoss, 3};
    l.upperArm = tunic;
    l.forearm = Mat{RampBrown, 3};  // leather bracers
    l.hand = l.skin = Mat{RampSkin, 4};
    l.thigh = l.shin = Mat{RampBrown, 2};
    l.boot = Mat{RampBrown, 1};
    l.torso = tunic;
    l.hips = Mat{RampBrown, 3};
    l.back = [](Canvas& c, const Joints& j) {
        // Quiver on the back with fletchings showing.
        const Vec q = j.neck - j.fwd * 6.0f - j.up * 4.0f;
        const Point a = Px(q + Vec{-3, -6}), b = Px(q + Vec{3, 10});
        c.line(a.x, a.y, b.x, b.y, Col(RampBrown, 2), 5);
        for (int k = 0; k < 3; ++k) {
            c.line(a.x - 1 + 2 * k, a.y - 1, a.x - 2 + 2 * k, a.y - 5, Col(RampRed, 5));
        }
    };
    l.head = [](Canvas& c, const Joints& j) {
        // Pointed green hood shading the face.
        const Point h = Px(j.head);
        const Mat hood{RampGreen, 3};
        c.fillPolygon({{h.x - 8, h.y + 6}, {h.x - 7, h.y - 3}, {h.x - 2, h.y - 8}, {h.x + 4, h.y - 7},
                       {h.x + 6, h.y - 3}, {h.x + 1, h.y - 3}, {h.x - 2, h.y + 6}},
                      hood(0));
        c.line(h.x - 2, h.y - 7, h.x + 4, h.y - 6, hood(2));
        c.line(h.x - 7, h.y - 2, h.x - 11, h.y + 3, hood(-1), 2);
        c.line(h.x + 1, h.y - 2, h.x + 5, h.y - 2, hood(-2));
    };
    l.front = [f](Canvas& c, const Joints& j) {
        // 0: string drawn with the arrow nocked; 1: arrow loosed, string snapped back; 2: bow lowered.
        DrawBow(c, j.handN, f == 0, j.handF);
        if (f == 0) {
            DrawArrow(c, j.handF + Vec{-1, 0}, 30);
        }
        DrawHand(c, Look{}, j.handN);
    };
    return l;
}

Pose ArcherPose(int f)
{
    Pose p;
    if (f == 2) {
        p.nearArm = {30, 40};
        p.farArm = {-10, 10};
        p.nearLeg = {10, 0};
        p.farLeg = {-8, 0};
        return p;
    }
    p.lean = -4;
    p.nearArm = {88, 88};                             // bow arm straight out
    p.farArm = f == 0 ? Limb{60, -70} : Limb{40, 0};  // draw hand at the cheek, then dropping
    p.nearLeg = {22, 4};
    p.farLeg = {-18, -6};
    return p;
}

Look NinjaLook(bool throwing)
{
    Look l;
    const Mat garb{RampNavy, 1};
    l.build = Scaled(l.build, 1.06f);
    l.build.shoulder = 8;
    l.upperArm = l.forearm = l.thigh = l.shin = l.torso = garb;
    l.hand = Mat{RampGrey, 2};
    l.boot = Mat{RampGrey, 1};
    l.skin = garb;
    l.hips = Mat{RampCrimson, 4};
    l.back = [](Canvas& c, const Joints& j) {
        // Katana across the back.
        const Point a = Px(j.hip - j.fwd * 9.0f + j.up * 4.0f), b = Px(j.neck + j.fwd * 5.0f + j.up * 5.0f);
        c.line(a.x, a.y, b.x, b.y, Col(RampGrey, 1), 3);
        c.line(b.x, b.y, b.x + 3, b.y - 3, Col(RampCrimson, 4), 2);
    };
    l.body = [](Canvas& c, const Joints& j) {
        // Crimson sash with trailing ends, wrapped shins.
        const Point s = Px(j.hip + j.up * 3.0f);
        c.fillRect(s.x - 7, s.y - 1, 14, 3, Col(RampCrimson, 4));
        c.line(s.x - 7, s.y + 1, s.x - 12, s.y + 8, Col(RampCrimson, 3), 2);
        c.line(s.x - 6, s.y, s.x - 14, s.y + 4, Col(RampCrimson, 5));
    };
    l.head = [](Canvas& c, const Joints& j) {
        // Hooded mask with only the eyes showing, crimson headband tails.
        const Point h = Px(j.head);
        c.fillEllipse(h.x, h.y, 6, 7, Col(RampNavy, 1));
        c.fillEllipse(h.x - 1, h.y - 3, 4, 2, Col(RampNavy, 3));
        c.fillRect(h.x + 1, h.y - 1, 5, 2, Col(RampSkin, 4));
        c.set(h.x + 4, h.y - 1, Col(RampGrey, 0));
        c.line(h.x - 6, h.y - 4, h.x + 6, h.y - 4, Col(RampCrimson, 4), 2);
        c.line(h.x - 6, h.y - 4, h.x - 13, h.y - 1, Col(RampCrimson, 4), 2);
        c.line(h.x - 6, h.y - 3, h.x - 12, h.y + 3, Col(RampCrimson, 3));
    };
    l.front = [throwing](Canvas& c, const Joints& j) {
        const Point h = Px(j.handN);
        if (throwing) {
            DrawStar(c, j.handN + Vec{4, -3}, 4);
            c.line(h.x - 12, h.y - 2, h.x - 4, h.y - 2, Col(RampGrey, 6));
            c.line(h.x - 10, h.y + 1, h.x - 4, h.y + 1, Col(RampGrey, 5));
        } else {
            DrawStar(c, j.handN + Vec{0, 3}, 3);
        }
        Blob(c, j.handN, 2, 2, Mat{RampGrey, 2});
    };
    return l;
}

Pose NinjaPose(bool throwing)
{
    Pose p;
    if (throwing) {
        p.lean = 12;
        p.nearArm = {150, 120};  // hand flung high and forward
        p.farArm = {-50, -100};
        p.nearLeg = {40, 5};
        p.farLeg = {-30, -40};
    } else {
        // Low ready stance, star held at the hip.
        p.lean = 6;
        p.nearArm = {30, 95};
        p.farArm = {60, 120};
        p.nearLeg = {35, -5};
        p.farLeg = {-25, -15};
    }
    return p;
}

}  // namespace

Vec ArcherArrowNock()
{
    const Look l = ArcherLook(0);
    return Solve(l.build, ArcherPose(0), 50, SpriteH - 1).handF + Vec{-1, 0};
}

Canvas DrawArcherFrame(int f)
{
    return DrawPosed(ArcherLook(f), ArcherPose(f), true, 50);
}

Canvas DrawNinjaFrame(int f)
{
    const bool throwing = f % 2 == 1;
    return DrawPosed(NinjaLook(throwing), NinjaPose(throwing), f < 2, 44);
}
