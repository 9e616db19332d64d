// Clipped drawing on an 8-bit canvas of palette indices.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

Canvas::Canvas(int width, int height, uint8_t fill)
    : w(std::max(width, 0)), h(std::max(height, 0)), px(static_cast<size_t>(w) * h, fill)
{
}

uint8_t Canvas::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w || y >= h) return 0;
    return px[static_cast<size_t>(y) * w + x];
}

void Canvas::set(int x, int y, uint8_t c)
{
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    px[static_cast<size_t>(y) * w + x] = c;
}

void Canvas::fillRect(int x, int y, int rw, int rh, uint8_t c)
{
    const int x0 = std::max(x, 0), x1 = std::min(x + rw, w);
    const int y0 = std::max(y, 0), y1 = std::min(y + rh, h);
    if (x0 >= x1 || y0 >= y1) return;
    for (int yy = y0; yy < y1; ++yy)
        std::fill(px.begin() + static_cast<long>(yy) * w + x0, px.begin() + static_cast<long>(yy) * w + x1, c);
}

void Canvas::rect(int x, int y, int rw, int rh, uint8_t c)
{
    if (rw <= 0 || rh <= 0) return;
    fillRect(x, y, rw, 1, c);
    fillRect(x, y + rh - 1, rw, 1, c);
    fillRect(x, y, 1, rh, c);
    fillRect(x + rw - 1, y, 1, rh, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, uint8_t c, int thickness)
{
    // Bresenham; a thick line stamps a small disc at every step.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    const int r = thickness > 1 ? thickness / 2 : 0;
    const bool even = thickness > 1 && thickness % 2 == 0;
    int err = dx + dy;
    for (;;) {
        if (r == 0) {
            set(x0, y0, c);
        } else {
            for (int oy = -r; oy <= r - (even ? 1 : 0); ++oy)
                for (int ox = -r; ox <= r - (even ? 1 : 0); ++ox)
                    if (ox * ox + oy * oy <= r * r + r) set(x0 + ox, y0 + oy, c);
        }
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::fillEllipse(int cx, int cy, int rx, int ry, uint8_t c)
{
    if (rx < 0 || ry < 0) return;
    if (rx == 0 || ry == 0) {
        fillRect(cx - rx, cy - ry, 2 * rx + 1, 2 * ry + 1, c);
        return;
    }
    // Pixel centres inside (x/rx)^2 + (y/ry)^2 <= 1, widened by half a pixel so small
    // ellipses stay round rather than diamond-shaped.
    const double a = rx + 0.5, b = ry + 0.5;
    for (int oy = -ry; oy <= ry; ++oy) {
        const double t = 1.0 - (oy * oy) / (b * b);
        if (t < 0) continue;
        const int half = static_cast<int>(std::floor(a * std::sqrt(t)));
        fillRect(cx - half, cy + oy, 2 * half + 1, 1, c);
    }
}

void Canvas::fillPolygon(std::initializer_list<Point> pts, uint8_t c)
{
    fillPolygon(std::vector<Point>(pts), c);
}

void Canvas::fillPolygon(const std::vector<Point>& pts, uint8_t c)
{
    if (pts.size() < 3) return;
    int ymin = pts[0].y, ymax = pts[0].y;
    for (const Point& p : pts) {
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    ymin = std::max(ymin, 0);
    ymax = std::min(ymax, h - 1);
    std::vector<double> xs;
    for (int y = ymin; y <= ymax; ++y) {
        // Even-odd rule sampled at pixel centres, edges included on their upper end.
        const double sy = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const Point& p = pts[i];
            const Point& q = pts[(i + 1) % pts.size()];
            if ((p.y <= sy) == (q.y <= sy)) continue;
            xs.push_back(p.x + (sy - p.y) * (q.x - p.x) / static_cast<double>(q.y - p.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int xa = static_cast<int>(std::ceil(xs[i] - 0.5));
            const int xb = static_cast<int>(std::floor(xs[i + 1] - 0.5));
            fillRect(xa, y, xb - xa + 1, 1, c);
        }
    }
}

void Canvas::blit(const Canvas& src, int x, int y)
{
    for (int sy = 0; sy < src.h; ++sy)
        for (int sx = 0; sx < src.w; ++sx) {
            const uint8_t c = src.px[static_cast<size_t>(sy) * src.w + sx];
            if (c != 0) set(x + sx, y + sy, c);
        }
}

void Canvas::recolor(uint8_t from, uint8_t to)
{
    std::replace(px.begin(), px.end(), from, to);
}

void Canvas::outline(uint8_t c)
{
    const Canvas before = *this;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (before.get(x, y) != 0) continue;
            if (before.get(x - 1, y) || before.get(x + 1, y) || before.get(x, y - 1) || before.get(x, y + 1))
                set(x, y, c);
        }
}

Canvas Canvas::flippedX() const
{
    Canvas out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.px[static_cast<size_t>(y) * w + x] = px[static_cast<size_t>(y) * w + (w - 1 - x)];
    return out;
}
