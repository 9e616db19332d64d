#pragma once
// Where the picture and the touch controls go in a window, in the window's own coordinates (CSS
// pixels in a browser). One function places both, so the picture that is presented and the
// controls that fingers hit can never disagree; presenting draws the controls from it, and the
// touch input hit-tests fingers with it. No SDL here.
//
//   wider than the picture (a landscape phone)   the controls in the bars beside the picture
//   taller (a portrait phone)                    the picture at the top, the controls below it
//   no room either way (a 4:3 tablet or window)  the controls over the picture's lower corners

// A rectangle: x and y its top-left corner. Width 0 is no rectangle at all.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The edges of the screen that a notch, a camera hole or the system's own bars cover.
struct SafeArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct ScreenShape {
    int width = 0;  // the window
    int height = 0;
    int pictureWidth = 640;
    int pictureHeight = 480;
    SafeArea safe;
};

// Which controls a screen shows: none, the title's, play's, or the one that goes back to the title.
enum TouchSet { TouchSetNone, TouchSetTitle, TouchSetPlay, TouchSetBack };

enum TouchControl {
    // The d-pad's four arms.
    ControlLeft,
    ControlRight,
    ControlUp,
    ControlDown,
    // Play's buttons.
    ControlJump,
    ControlFire,
    ControlPunch,
    ControlPause,
    // The title's.
    ControlLand1,
    ControlLand2,
    ControlLand3,
    ControlLand4,
    ControlStory,
    // The story's, death's and the win's.
    ControlBack,
    ControlCount
};

// The name tools and tests know a control by: "left", "right", "up", "down", "jump", "fire",
// "punch", "pause", "land1" .. "land4", "story", "back".
const char* TouchControlName(int control);

enum TouchPlacement { PlacementHidden, PlacementBars, PlacementBelow, PlacementOver };

struct ScreenLayout {
    ScreenRect picture;
    TouchPlacement placement = PlacementHidden;
    ScreenRect dpad;  // play's d-pad; its arms are controls[ControlLeft .. ControlDown]
    ScreenRect controls[ControlCount];
};

// The smallest target a finger can be trusted to hit (WCAG's target size).
constexpr int MinimumTarget = 44;

// The picture at its aspect, as large as fits, in the middle of the window.
ScreenRect Letterbox(int width, int height, int pictureWidth, int pictureHeight);

// Set TouchSetNone: the picture letterboxed, no controls. Otherwise the picture keeps one place and
// size for every set, so that it does not jump when the screen changes.
ScreenLayout LayoutScreen(const ScreenShape& shape, TouchSet set);

bool Contains(const ScreenRect& rect, float x, float y);
// The button at a point (the d-pad's arms are not buttons), or -1.
int ButtonAt(const ScreenLayout& layout, float x, float y);

// The d-pad's directions for a finger at a point, by its angle from the d-pad's centre: one
// arm within 22.5 degrees of its axis, two arms on the diagonals between, none in the dead zone
// around the centre. The point may lie outside the d-pad: a finger that slid off still steers.
constexpr int DpadLeftBit = 1;
constexpr int DpadRightBit = 2;
constexpr int DpadUpBit = 4;
constexpr int DpadDownBit = 8;
int DpadDirections(const ScreenLayout& layout, float x, float y);
