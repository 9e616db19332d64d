#pragma once
// An 8-bit drawing surface of palette indices for the asset generator.
// Every drawing call clips to the canvas, so callers may draw past its edges.
#include <cstdint>
#include <initializer_list>
#include <vector>

struct Point {
    int x;
    int y;
};

struct Canvas {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> px;  // row-major, top row first, w * h bytes

    Canvas() = default;
    Canvas(int width, int height, uint8_t fill = 0);

    uint8_t get(int x, int y) const;  // 0 outside
    void set(int x, int y, uint8_t c);
    void fillRect(int x, int y, int rw, int rh, uint8_t c);
    void rect(int x, int y, int rw, int rh, uint8_t c);  // one-pixel outline
    void line(int x0, int y0, int x1, int y1, uint8_t c, int thickness = 1);
    void fillEllipse(int cx, int cy, int rx, int ry, uint8_t c);
    void fillCircle(int cx, int cy, int r, uint8_t c) { fillEllipse(cx, cy, r, r, c); }
    void fillPolygon(std::initializer_list<Point> pts, uint8_t c);
    void fillPolygon(const std::vector<Point>& pts, uint8_t c);
    // Copies src at (x, y); index 0 in src is transparent.
    void blit(const Canvas& src, int x, int y);
    // Replaces every pixel of colour `from` by `to`.
    void recolor(uint8_t from, uint8_t to);
    // Draws a dark outline (colour c) around every non-zero region, on zero pixels only.
    void outline(uint8_t c);
    Canvas flippedX() const;
};
