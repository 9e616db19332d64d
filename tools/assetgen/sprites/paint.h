#pragma once
// Small painting vocabulary shared by every sprite: materials as ramp shades,
// float points, shaded limbs and blobs, and the finishing outline.
#include "../canvas.h"
#include "../palette_design.h"

// A material is a ramp with a base shade; m(-2) is its shadow, m(+2) its highlight.
struct Mat {
    Ramp ramp;
    int base;
    uint8_t operator()(int d = 0) const { return Col(ramp, base + d); }
    Mat darker(int d = 1) const { return {ramp, base - d}; }
};

struct Vec {
    float x;
    float y;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, float k) { return {a.x * k, a.y * k}; }

// Unit vector at `deg` degrees: 0 points down, 90 forward (+x), 180 up.
Vec Dir(float deg);
Point Px(Vec v);

// The outline every character gets.
constexpr uint8_t Ink = Col(RampGrey, 0);

// A limb segment of width w: dark rim, mid body, a highlight on the upper-front side.
void Segment(Canvas& c, Vec a, Vec b, int w, Mat m);
// A shaded ellipse lit from the upper front.
void Blob(Canvas& c, Vec centre, int rx, int ry, Mat m);
// A polygon filled with a dark rim and a mid body inset by one pixel.
void RimPolygon(Canvas& c, const std::vector<Point>& pts, Mat m);
// Moves the picture down so that its lowest painted row is the cell's bottom row.
Canvas Grounded(const Canvas& c);
// Outlines the cell and mirrors it when the character faces left.
Canvas Finish(Canvas c, bool faceLeft);
