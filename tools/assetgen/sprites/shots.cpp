#include "shots.h"

void DrawArrow(Canvas& c, Vec nock, float len)
{
    const Point n = Px(nock), t = Px(nock + Vec{len, 0});
    c.line(n.x, n.y, t.x - 3, t.y, Col(RampBrown, 4), 1);
    c.line(n.x + 1, n.y + 1, t.x - 4, t.y + 1, Col(RampBrown, 2), 1);
    c.fillPolygon({{t.x - 4, t.y - 2}, {t.x, t.y}, {t.x - 4, t.y + 3}}, Col(RampSteel, 5));
    for (int k = 0; k < 3; ++k) {
        c.line(n.x + k, n.y - 1, n.x + k - 2, n.y - 3, Col(RampRed, 5));
        c.line(n.x + k, n.y + 2, n.x + k - 2, n.y + 4, Col(RampRed, 4));
    }
}

void DrawBolt(Canvas& c, Vec at, int len, Ramp ramp)
{
    const Point p = Px(at);
    c.fillEllipse(p.x, p.y, len / 2, 3, Col(ramp, 3));
    c.fillEllipse(p.x + 1, p.y, len / 2 - 2, 2, Col(ramp, 5));
    c.line(p.x - len / 2 + 3, p.y, p.x + len / 2, p.y, Col(ramp, 7));
    c.fillEllipse(p.x + len / 2 - 3, p.y, 2, 1, Col(RampGrey, 7));
    // Sparks trailing behind.
    c.set(p.x - len / 2 - 2, p.y - 2, Col(ramp, 6));
    c.set(p.x - len / 2 - 4, p.y + 2, Col(ramp, 5));
}

void DrawFireball(Canvas& c, Vec at, int r)
{
    const Point p = Px(at);
    c.fillEllipse(p.x - r / 2, p.y, r + r / 2, r - 1, Col(RampLava, 2));
    c.fillCircle(p.x, p.y, r, Col(RampLava, 3));
    c.fillCircle(p.x + 1, p.y, r - 1, Col(RampLava, 5));
    c.fillCircle(p.x + 1, p.y - 1, r / 2, Col(RampLava, 7));
}
