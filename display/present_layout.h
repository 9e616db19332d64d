#pragma once
// Where and how the 640x480 picture lands in a window of any size: letterboxed at its aspect (or
// where the touch controls' layout puts it), and scaled so that every picture pixel comes out
// equally wide and high.

struct ScreenRect;

struct PresentLayout {
    // The picture's rectangle in the output's pixels.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // The smallest whole multiple of the picture at least as large as the rectangle. When the
    // rectangle is exactly that multiple (direct), nearest-pixel sampling fills it pixel-perfect;
    // otherwise the picture is enlarged by the multiple with nearest-pixel sampling and filtered
    // down into the rectangle, which blends at most one screen pixel at each picture pixel's edge.
    int factor = 1;
    bool direct = true;
};

// For an output of outputWidth x outputHeight pixels and a picture of pictureWidth x pictureHeight.
PresentLayout LayoutPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight);
// The picture into a given rectangle of the output.
PresentLayout ScalePictureInto(const ScreenRect& rect, int pictureWidth, int pictureHeight);
