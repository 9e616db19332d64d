#pragma once
// A posed humanoid: joint angles in, joint positions out, painted in layers so
// that each kind adds its clothes, head and weapon between them. Figures face
// right; Finish() mirrors a cell that faces left.
#include "paint.h"

#include <functional>

// Absolute angles in degrees: 0 hangs down, 90 points forward, 180 up, negative backward.
struct Limb {
    float upper;
    float lower;
};

struct Pose {
    float lean = 0;  // torso tilt forward
    Limb nearArm{15, 35};
    Limb farArm{-10, 10};
    Limb nearLeg{0, 0};
    Limb farLeg{0, 0};
    float lift = 0;  // the lowest foot stays this far above the ground line
};

// Body measures in pixels.
struct Build {
    float shin = 15, thigh = 15, torso = 21, neck = 3, upperArm = 12, forearm = 12;
    int headRx = 5, headRy = 6;
    int shoulder = 7, waist = 5;  // half widths
    int armW = 5, legW = 6, handR = 2;
    int footLen = 8, footH = 4;
};

struct Joints {
    Vec hip, neck, head;
    Vec shoulderN, elbowN, handN, shoulderF, elbowF, handF;
    Vec hipN, kneeN, ankleN, hipF, kneeF, ankleF;
    Vec up, fwd;  // torso axes
    float footN, footF;  // foot tilt, degrees, toe down when positive
};

// Joints of `pose` with the hip at x = centreX and the lowest sole on row groundY.
Joints Solve(const Build& b, const Pose& pose, float centreX, int groundY);

using Layer = std::function<void(Canvas&, const Joints&)>;

struct Look {
    Build build;
    Mat skin{RampSkin, 4};
    Mat upperArm{RampSkin, 4}, forearm{RampSkin, 4}, hand{RampSkin, 4};
    Mat thigh{RampBrown, 3}, shin{RampBrown, 3}, boot{RampBrown, 2};
    Mat torso{RampSkin, 4}, hips{RampBrown, 2};
    bool face = true;  // false: the head layer paints the whole head (skulls, masks)
    Layer back, body, head, front;
    Layer trunk;  // replaces the fleshed torso and hips (skeletons)
};

// The same measures scaled by k, for larger-than-life figures.
Build Scaled(Build b, float k);

// Paints back layer, far limbs, near leg, hips, torso, body layer, head, head
// layer, near arm and front layer, in that order.
void DrawFigure(Canvas& c, const Look& look, const Joints& j);
// A fist at the near hand, for front layers that paint over the hand's grip.
void DrawHand(Canvas& c, const Look& look, Vec at);
