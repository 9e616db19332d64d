#include "paint.h"

#include <cmath>

Vec Dir(float deg)
{
    const float r = deg * 3.14159265f / 180.0f;
    return {std::sin(r), std::cos(r)};
}

Point Px(Vec v)
{
    return {static_cast<int>(std::lround(v.x)), static_cast<int>(std::lround(v.y))};
}

void Segment(Canvas& c, Vec a, Vec b, int w, Mat m)
{
    const Point pa = Px(a), pb = Px(b);
    c.line(pa.x, pa.y, pb.x, pb.y, m(-2), w);
    if (w < 3) {
        return;
    }
    c.line(pa.x, pa.y, pb.x, pb.y, m(0), w - 2);
    // Light falls from above and in front: highlight the side whose normal points that way.
    Vec d = b - a;
    const float len = std::hypot(d.x, d.y);
    if (len < 1.0f || w < 4) {
        return;
    }
    Vec n{-d.y / len, d.x / len};
    if (n.x - n.y < 0) {
        n = n * -1.0f;
    }
    const float off = (w - 3) / 2.0f;
    const Point ha = Px(a + n * off), hb = Px(b + n * off);
    c.line(ha.x, ha.y, hb.x, hb.y, m(2), 1);
}

void Blob(Canvas& c, Vec centre, int rx, int ry, Mat m)
{
    const Point p = Px(centre);
    c.fillEllipse(p.x, p.y, rx, ry, m(-2));
    c.fillEllipse(p.x, p.y - 1, rx - 1, ry - 1, m(0));
    if (rx >= 3 && ry >= 3) {
        c.fillEllipse(p.x + rx / 3, p.y - ry / 2, rx / 3, ry / 4, m(2));
    }
}

void RimPolygon(Canvas& c, const std::vector<Point>& pts, Mat m)
{
    c.fillPolygon(pts, m(-2));
    // Shrink toward the centroid by one pixel for the body colour.
    float cx = 0, cy = 0;
    for (const Point& p : pts) {
        cx += p.x;
        cy += p.y;
    }
    cx /= pts.size();
    cy /= pts.size();
    std::vector<Point> inner;
    for (const Point& p : pts) {
        const float dx = cx - p.x, dy = cy - p.y;
        const float len = std::hypot(dx, dy);
        inner.push_back(len < 1.5f ? p : Px({p.x + dx / len * 1.3f, p.y + dy / len * 1.3f}));
    }
    c.fillPolygon(inner, m(0));
}

Canvas Grounded(const Canvas& c)
{
    int lowest = -1;
    for (int y = 0; y < c.h && lowest < 0; ++y) {
        for (int x = 0; x < c.w; ++x) {
            if (c.get(x, c.h - 1 - y) != 0) {
                lowest = c.h - 1 - y;
                break;
            }
        }
    }
    if (lowest < 0) {
        return c;
    }
    Canvas out(c.w, c.h);
    out.blit(c, 0, c.h - 1 - lowest);
    return out;
}

Canvas Finish(Canvas c, bool faceLeft)
{
    c.outline(Ink);
    return faceLeft ? c.flippedX() : c;
}
