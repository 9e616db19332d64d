#include "input/touch_layout.h"

#include <algorithm>

namespace {

constexpr int Gap = 8;  // between controls, and between them and the edges
// Every size follows one unit, a thumb's width: a sixth of the window's shorter side, within
// these limits. At the smallest the d-pad's arms (four fifths of it) are still targets.
constexpr int SmallestUnit = MinimumTarget * 5 / 4;
constexpr int LargestUnit = 120;
// A picture narrowed to make room in the bars keeps at least this share of its height; with less
// room than that the controls go over the picture instead.
constexpr int KeptPercent = 75;
// The status line's strip across the top of the picture, left in view by controls over it.
constexpr int StatusRows = 16;

constexpr const char* Names[ControlCount] = {"left", "right", "up",    "down",  "jump",  "fire",  "punch",
                                             "pause", "land1", "land2", "land3", "land4", "story", "back"};

int Right(const ScreenRect& r) { return r.x + r.width; }
int Bottom(const ScreenRect& r) { return r.y + r.height; }

int Arm(int unit) { return unit * 4 / 5; }
int Dpad(int unit) { return 3 * Arm(unit); }
int PauseSize(int unit) { return std::max(MinimumTarget, unit * 3 / 4); }
int WideWidth(int unit) { return unit * 12 / 5; }
int ButtonBlock(int unit) { return 2 * unit + Gap; }  // jump and fire side by side

// Where a screen's controls may go: for bars the two bars (clear of the safe area), otherwise
// one region (the space below the picture, or the part of the picture that controls may cover)
// given twice.
struct Frame {
    ScreenRect picture;
    TouchPlacement placement = PlacementHidden;
    int unit = SmallestUnit;
    ScreenRect first;
    ScreenRect second;
};

ScreenRect Between(int left, int top, int right, int bottom) { return {left, top, right - left, bottom - top}; }

// The height a region needs for play's right-hand column, which is the tallest of any set:
// pause at the top, two rows of buttons at the foot.
int ColumnHeight(int unit) { return PauseSize(unit) + 2 * unit + 4 * Gap; }

Frame BarsFrame(const ScreenShape& shape, const ScreenRect& picture, int unit) {
    const SafeArea& safe = shape.safe;
    const int top = safe.top, bottom = shape.height - safe.bottom;
    return Frame{picture, PlacementBars, unit, Between(safe.left, top, picture.x, bottom),
                 Between(Right(picture), top, shape.width - safe.right, bottom)};
}

bool BarsHold(const Frame& frame) {
    const int unit = frame.unit;
    return frame.first.width >= Dpad(unit) + 2 * Gap && frame.second.width >= ButtonBlock(unit) + 2 * Gap &&
           frame.first.height >= Dpad(unit) + 2 * Gap && frame.second.height >= ColumnHeight(unit);
}

// The picture in the middle with the controls in the bars at the largest unit that fits; where the
// smallest does not, a narrower picture, unless that would lose too much of it.
bool FindBars(const ScreenShape& shape, const ScreenRect& full, int preferred, Frame* found) {
    for (int unit = preferred; unit >= SmallestUnit; --unit) {
        *found = BarsFrame(shape, full, unit);
        if (BarsHold(*found)) return true;
    }
    const SafeArea& safe = shape.safe;
    const int bar = std::max(safe.left + Dpad(SmallestUnit), safe.right + ButtonBlock(SmallestUnit)) + 2 * Gap;
    const int width = shape.width - 2 * bar;
    const int height = width * shape.pictureHeight / shape.pictureWidth;
    if (width <= 0 || height * 100 < full.height * KeptPercent) return false;
    const ScreenRect narrower{bar, (shape.height - height) / 2, width, height};
    *found = BarsFrame(shape, narrower, SmallestUnit);
    return BarsHold(*found);
}

// The picture at the top, full width, the controls in the space below it.
bool FindBelow(const ScreenShape& shape, int preferred, Frame* found) {
    const SafeArea& safe = shape.safe;
    const int height = shape.width * shape.pictureHeight / shape.pictureWidth;
    const ScreenRect picture{0, safe.top, shape.width, height};
    const ScreenRect below = Between(safe.left, Bottom(picture), shape.width - safe.right, shape.height - safe.bottom);
    for (int unit = preferred; unit >= SmallestUnit; --unit) {
        if (below.height >= std::max(ColumnHeight(unit), Dpad(unit) + 2 * Gap) &&
            below.width >= Dpad(unit) + ButtonBlock(unit) + 4 * Gap) {
            *found = Frame{picture, PlacementBelow, unit, below, below};
            return true;
        }
    }
    return false;
}

// Over the picture, clear of the safe area and below the status line.
Frame OverFrame(const ScreenShape& shape, const ScreenRect& full, int preferred) {
    const SafeArea& safe = shape.safe;
    const int statusHeight = full.height * StatusRows / shape.pictureHeight;
    const ScreenRect region = Between(std::max(full.x, safe.left), std::max(full.y + statusHeight, safe.top),
                                      std::min(Right(full), shape.width - safe.right),
                                      std::min(Bottom(full), shape.height - safe.bottom));
    // Smaller than beside the picture: they cover what the player wants to see.
    int unit = std::max(SmallestUnit, std::min(preferred, std::min(shape.width, shape.height) / 8));
    while (unit > SmallestUnit && region.height < ColumnHeight(unit)) --unit;
    return Frame{full, PlacementOver, unit, region, region};
}

ScreenRect Square(int x, int y, int size) { return {x, y, size, size}; }

void PlacePlay(const Frame& frame, ScreenLayout* layout) {
    const int unit = frame.unit, size = Dpad(unit), arm = Arm(unit), block = ButtonBlock(unit);
    const bool bars = frame.placement == PlacementBars;
    const ScreenRect& left = frame.first;
    const ScreenRect& right = frame.second;
    // In the bars each group is centred across its bar; elsewhere they keep to the region's corners.
    const int padX = bars ? left.x + (left.width - size) / 2 : left.x + Gap;
    const int padY = Bottom(left) - Gap - size;
    layout->dpad = Square(padX, padY, size);
    layout->controls[ControlLeft] = Square(padX, padY + arm, arm);
    layout->controls[ControlRight] = Square(padX + 2 * arm, padY + arm, arm);
    layout->controls[ControlUp] = Square(padX + arm, padY, arm);
    layout->controls[ControlDown] = Square(padX + arm, padY + 2 * arm, arm);
    const int blockX = bars ? right.x + (right.width - block) / 2 : Right(right) - Gap - block;
    const int rowY = Bottom(right) - Gap - unit;
    // Fire under the resting right thumb, jump beside it, punch above fire.
    layout->controls[ControlJump] = Square(blockX, rowY, unit);
    layout->controls[ControlFire] = Square(blockX + unit + Gap, rowY, unit);
    layout->controls[ControlPunch] = Square(blockX + unit + Gap, rowY - Gap - unit, unit);
    const int pause = PauseSize(unit);
    layout->controls[ControlPause] = Square(Right(right) - Gap - pause, right.y + Gap, pause);
}

// A column of wide buttons, centred in the region.
void StackWide(const ScreenRect& region, int unit, const int* controls, int count, ScreenLayout* layout) {
    const int width = std::min(WideWidth(unit), region.width - 2 * Gap), height = Arm(unit);
    const int x = region.x + (region.width - width) / 2;
    int y = region.y + (region.height - count * height - (count - 1) * Gap) / 2;
    for (int i = 0; i < count; ++i, y += height + Gap) layout->controls[controls[i]] = {x, y, width, height};
}

void PlaceTitle(const Frame& frame, ScreenLayout* layout) {
    const int unit = frame.unit, height = Arm(unit);
    const ScreenRect& region = frame.first;
    if (frame.placement == PlacementBars) {
        constexpr int left[] = {ControlLand1, ControlLand2};
        constexpr int right[] = {ControlLand3, ControlLand4, ControlStory};
        StackWide(frame.first, unit, left, 2, layout);
        StackWide(frame.second, unit, right, 3, layout);
    } else if (frame.placement == PlacementBelow) {
        // Two lands a row, the story under them.
        const int width = std::min(WideWidth(unit), (region.width - 3 * Gap) / 2);
        const int x = region.x + (region.width - 2 * width - Gap) / 2;
        const int y = region.y + (region.height - 3 * height - 2 * Gap) / 2;
        for (int land = 0; land < 4; ++land)
            layout->controls[ControlLand1 + land] = {x + (land % 2) * (width + Gap), y + (land / 2) * (height + Gap),
                                                     width, height};
        layout->controls[ControlStory] = {x + (width + Gap) / 2, y + 2 * (height + Gap), width, height};
    } else {
        // One row along the foot of the picture.
        const int width = std::min(WideWidth(unit), (region.width - 6 * Gap) / 5);
        const int x = region.x + (region.width - 5 * width - 4 * Gap) / 2;
        const int y = Bottom(region) - Gap - height;
        for (int i = 0; i < 5; ++i) layout->controls[ControlLand1 + i] = {x + i * (width + Gap), y, width, height};
    }
}

void PlaceBack(const Frame& frame, ScreenLayout* layout) {
    const int unit = frame.unit;
    const ScreenRect& region = frame.second;
    const int width = std::min(WideWidth(unit), region.width - 2 * Gap), height = Arm(unit);
    int x = Right(region) - Gap - width, y = Bottom(region) - Gap - height;
    if (frame.placement == PlacementBars) x = region.x + (region.width - width) / 2;
    if (frame.placement == PlacementBelow) {
        x = region.x + (region.width - width) / 2;
        y = region.y + (region.height - height) / 2;
    }
    layout->controls[ControlBack] = {x, y, width, height};
}

}  // namespace

const char* TouchControlName(int control) { return control >= 0 && control < ControlCount ? Names[control] : ""; }

ScreenRect Letterbox(int width, int height, int pictureWidth, int pictureHeight) {
    ScreenRect rect;
    if (width <= 0 || height <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return rect;
    // Bars on the sides when the window is wider than the picture's aspect, else above and below.
    // Integer products compare the aspects exactly.
    const long long wide = static_cast<long long>(width) * pictureHeight;
    const long long tall = static_cast<long long>(height) * pictureWidth;
    if (wide > tall) {
        rect.height = height;
        rect.width = static_cast<int>(tall / pictureHeight);
    } else {
        rect.width = width;
        rect.height = static_cast<int>(wide / pictureWidth);
    }
    rect.x = (width - rect.width) / 2;
    rect.y = (height - rect.height) / 2;
    return rect;
}

ScreenLayout LayoutScreen(const ScreenShape& shape, TouchSet set) {
    ScreenLayout layout;
    const ScreenRect full = Letterbox(shape.width, shape.height, shape.pictureWidth, shape.pictureHeight);
    layout.picture = full;
    if (set == TouchSetNone || full.width == 0) return layout;
    const int preferred = std::clamp(std::min(shape.width, shape.height) / 6, SmallestUnit, LargestUnit);
    const bool wider = static_cast<long long>(shape.width) * shape.pictureHeight >
                       static_cast<long long>(shape.height) * shape.pictureWidth;
    Frame frame;
    const bool found = wider ? FindBars(shape, full, preferred, &frame) : FindBelow(shape, preferred, &frame);
    if (!found) frame = OverFrame(shape, full, preferred);
    layout.picture = frame.picture;
    layout.placement = frame.placement;
    if (set == TouchSetPlay) PlacePlay(frame, &layout);
    if (set == TouchSetTitle) PlaceTitle(frame, &layout);
    if (set == TouchSetBack) PlaceBack(frame, &layout);
    return layout;
}

bool Contains(const ScreenRect& rect, float x, float y) {
    return rect.width > 0 && x >= rect.x && x < Right(rect) && y >= rect.y && y < Bottom(rect);
}

int ButtonAt(const ScreenLayout& layout, float x, float y) {
    for (int control = ControlJump; control < ControlCount; ++control) {
        if (Contains(layout.controls[control], x, y)) return control;
    }
    return -1;
}

int DpadDirections(const ScreenLayout& layout, float x, float y) {
    const ScreenRect& pad = layout.dpad;
    if (pad.width == 0) return 0;
    const float dx = x - (pad.x + pad.width / 2.0f), dy = y - (pad.y + pad.height / 2.0f);
    const float dead = pad.width / 10.0f;
    if (dx * dx + dy * dy < dead * dead) return 0;
    // An arm counts within 67.5 degrees of its axis (tan 67.5 = 2.414): the arms alone own
    // 45-degree sectors, and the diagonals between them the 45 degrees where two arms overlap.
    constexpr float Slope = 2.4142f;
    int bits = 0;
    if (dx < 0 && -dx * Slope >= (dy < 0 ? -dy : dy)) bits |= DpadLeftBit;
    if (dx > 0 && dx * Slope >= (dy < 0 ? -dy : dy)) bits |= DpadRightBit;
    if (dy < 0 && -dy * Slope >= (dx < 0 ? -dx : dx)) bits |= DpadUpBit;
    if (dy > 0 && dy * Slope >= (dx < 0 ? -dx : dx)) bits |= DpadDownBit;
    return bits;
}
