#include "gear.h"

#include <cmath>

namespace {

constexpr Mat Steel{RampSteel, 4};
constexpr Mat Wood{RampBrown, 3};

void Line(Canvas& c, Vec a, Vec b, uint8_t col, int w = 1)
{
    const Point p = Px(a), q = Px(b);
    c.line(p.x, p.y, q.x, q.y, col, w);
}

Vec Across(Vec d)
{
    return {-d.y, d.x};
}

}  // namespace

Vec Unit(Vec v)
{
    const float len = std::hypot(v.x, v.y);
    return len < 0.001f ? Vec{1, 0} : v * (1.0f / len);
}

Vec DrawBlaster(Canvas& c, Vec hand, Vec dir)
{
    const Vec d = Unit(dir), n = Across(d);
    const Vec muzzle = hand + d * 10.0f;
    Line(c, hand + n * 4.0f - d * 1.0f, hand, Col(RampGrey, 1), 3);  // grip below the fist
    Line(c, hand - d * 3.0f - n * 2.0f, hand + d * 6.0f - n * 2.0f, Col(RampGrey, 2), 5);  // slide
    Line(c, hand - d * 3.0f - n * 3.0f, hand + d * 6.0f - n * 3.0f, Col(RampGrey, 4));
    Line(c, hand + d * 6.0f - n * 1.5f, muzzle - n * 1.5f, Col(RampGrey, 1), 3);  // barrel
    Line(c, hand - d * 1.0f - n * 2.0f, hand + d * 4.0f - n * 2.0f, Col(RampTeal, 6));  // power cell glow
    return muzzle - n * 1.5f + d * 1.0f;
}

void DrawMuzzleFlash(Canvas& c, Vec at, int r)
{
    const Point p = Px(at);
    for (int k = 0; k < 4; ++k) {
        const Vec s = Dir(45.0f + 90.0f * k) * (r + 1.5f);
        Line(c, at, at + s, Col(RampYellow, 6));
    }
    c.fillCircle(p.x, p.y, r, Col(RampYellow, 5));
    c.line(p.x - r - 2, p.y, p.x + r + 2, p.y, Col(RampYellow, 7));
    c.line(p.x, p.y - r - 2, p.x, p.y + r + 2, Col(RampYellow, 7));
    c.fillCircle(p.x, p.y, r / 2, Col(RampGrey, 7));
}

void DrawBlade(Canvas& c, Vec hand, Vec dir, float len, bool curved)
{
    const Vec d = Unit(dir), n = Across(d);
    Line(c, hand - d * 4.0f, hand, Col(RampBrown, 2), 2);  // hilt
    Line(c, hand + d * 1.0f + n * 3.0f, hand + d * 1.0f - n * 3.0f, Col(RampYellow, 3), 2);  // guard
    const Vec base = hand + d * 2.0f;
    // A cutlass widens and bends toward its back edge; a sword runs straight.
    const Vec tip = base + d * len + (curved ? n * (len * 0.18f) : Vec{0, 0});
    const Vec mid = base + d * (len * 0.6f) + (curved ? n * (len * 0.05f) : Vec{0, 0});
    Line(c, base, mid, Steel(1), curved ? 4 : 3);
    Line(c, mid, tip, Steel(1), curved ? 3 : 2);
    Line(c, base - n * 1.0f, mid - n * 1.0f, Steel(4));
    Line(c, mid - n * 1.0f, tip, Col(RampGrey, 7));
}

void DrawAxe(Canvas& c, Vec hand, Vec dir)
{
    const Vec d = Unit(dir), n = Across(d);
    const Vec head = hand + d * 16.0f;
    Line(c, hand - d * 3.0f, head + d * 2.0f, Wood(0), 3);
    Line(c, hand - d * 3.0f - n * 0.5f, head + d * 2.0f - n * 0.5f, Wood(2));
    // Crescent blade on the leading side of the haft.
    const Vec e = head - n * 9.0f;
    RimPolygon(c, {Px(head + d * 3.0f - n * 1.0f), Px(e + d * 6.0f), Px(e + d * 1.0f - n * 1.0f), Px(e - d * 5.0f),
                   Px(head - d * 3.0f - n * 1.0f)},
               Steel);
    Line(c, e + d * 5.0f, e - d * 4.0f, Col(RampGrey, 7));
    Line(c, head + n * 2.0f, head + n * 4.0f, Steel(-1), 3);  // back spike
}

Vec DrawRifle(Canvas& c, Vec hand, Vec dir)
{
    const Vec d = Unit(dir), n = Across(d);
    Line(c, hand - d * 12.0f + n * 1.0f, hand - d * 2.0f, Wood(-1), 4);  // stock
    Line(c, hand - d * 12.0f, hand - d * 3.0f - n * 1.0f, Wood(1));
    Line(c, hand - d * 2.0f, hand + d * 12.0f, Col(RampGrey, 2), 3);     // action and barrel
    Line(c, hand - d * 2.0f - n * 1.0f, hand + d * 12.0f - n * 1.0f, Col(RampGrey, 4));
    Line(c, hand + d * 1.0f + n * 2.0f, hand + d * 3.0f + n * 4.0f, Col(RampGrey, 2), 2);  // magazine
    const Vec muzzle = hand + d * 13.0f;
    Line(c, muzzle - n * 1.0f, muzzle + d * 8.0f - n * 1.0f, Steel(5));  // bayonet
    Line(c, muzzle, muzzle + d * 7.0f, Steel(2));
    return muzzle;
}

void DrawBow(Canvas& c, Vec hand, bool drawn, Vec pull)
{
    const Vec top = hand + Vec{-3, -20}, bottom = hand + Vec{-3, 20};
    const Vec bend = hand + Vec{3, 0};
    for (float s : {-1.0f, 1.0f}) {
        const Vec tip = s < 0 ? top : bottom;
        const Vec mid = bend + Vec{-1.5f, 10.0f * s};
        Line(c, bend, mid, Wood(0), 3);
        Line(c, mid, tip, Wood(0), 2);
        Line(c, bend + Vec{1, 0}, mid + Vec{1, 0}, Wood(2));
    }
    const Vec nock = drawn ? pull : hand + Vec{-4, 0};
    Line(c, top, nock, Col(RampBone, 6));
    Line(c, nock, bottom, Col(RampBone, 6));
}

void DrawStar(Canvas& c, Vec at, int r)
{
    for (int k = 0; k < 4; ++k) {
        const Vec tip = at + Dir(20.0f + 90.0f * k) * static_cast<float>(r);
        const Vec side = at + Dir(65.0f + 90.0f * k) * (r * 0.35f);
        const Vec other = at + Dir(-25.0f + 90.0f * k) * (r * 0.35f);
        c.fillPolygon({Px(other), Px(tip), Px(side)}, Steel(3));
        Line(c, at, tip, Steel(5));
    }
    const Point p = Px(at);
    c.set(p.x, p.y, Col(RampGrey, 1));
}

void DrawBone(Canvas& c, Vec at, Vec dir, float len)
{
    const Vec d = Unit(dir), n = Across(d);
    const Vec a = at - d * (len / 2), b = at + d * (len / 2);
    Line(c, a, b, Col(RampBone, 5), 3);
    for (Vec end : {a, b}) {
        const Point p = Px(end + n * 1.5f), q = Px(end - n * 1.5f);
        c.fillCircle(p.x, p.y, 2, Col(RampBone, 5));
        c.fillCircle(q.x, q.y, 2, Col(RampBone, 4));
    }
    Line(c, a - n * 1.0f, b - n * 1.0f, Col(RampBone, 7));
}

void DrawTrident(Canvas& c, Vec hand, Vec dir)
{
    const Vec d = Unit(dir), n = Across(d);
    const Vec head = hand + d * 22.0f;
    Line(c, hand - d * 14.0f, head, Col(RampGrey, 2), 3);
    Line(c, hand - d * 14.0f - n * 0.5f, head - n * 0.5f, Col(RampGrey, 4));
    Line(c, head + n * 5.0f, head - n * 5.0f, Col(RampYellow, 4), 3);
    for (float s : {-5.0f, 0.0f, 5.0f}) {
        const Vec base = head + n * s;
        const Vec tip = base + d * (s == 0 ? 12.0f : 9.0f);
        Line(c, base, tip, Col(RampYellow, 5), 2);
        Line(c, tip, tip + d * 2.0f - n * (s < 0 ? -1.5f : 1.5f), Col(RampYellow, 7));
    }
}

void DrawSwingLines(Canvas& c, Vec at)
{
    for (int k = 0; k < 3; ++k) {
        const Vec a = at + Vec{-4.0f + 5 * k, -9.0f + 2 * k}, b = a + Vec{-5, -5};
        Line(c, a, b, Col(RampGrey, 7 - k));
    }
}
