// Where the touch controls go, on screens from a small phone to 4K, turned both ways, with and
// without notches: big enough for a thumb, clear of the safe area and, where there is room, of
// the picture; and how the d-pad reads a finger's angle.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "input/touch_layout.h"

namespace {

struct Case {
    const char* name;
    int width;
    int height;
    SafeArea safe;
};

// Landscape phones (an iPhone's insets: the notch's side bars and the home indicator), portrait
// phones, tablets, desktop windows and screens.
const std::vector<Case> Screens = {
    {"small phone", 667, 375, {}},
    {"phone", 844, 390, {}},
    {"phone with a notch", 844, 390, {47, 0, 47, 21}},
    {"phone with an island", 852, 393, {59, 0, 59, 21}},
    {"android with a camera hole", 915, 412, {32, 0, 0, 0}},
    {"wide phone", 960, 412, {}},
    {"portrait phone", 390, 844, {0, 47, 0, 34}},
    {"portrait android", 412, 915, {}},
    {"small portrait phone", 375, 667, {0, 20, 0, 0}},
    {"4:3 tablet", 1024, 768, {0, 24, 0, 20}},
    {"4:3 tablet standing", 768, 1024, {0, 24, 0, 20}},
    {"12.9-inch tablet", 1366, 1024, {}},
    {"4:3 window", 640, 480, {}},
    {"window", 800, 600, {}},
    {"laptop", 1280, 720, {}},
    {"full HD", 1920, 1080, {}},
    {"4K", 3840, 2160, {}},
    {"ultrawide", 3440, 1440, {}},
};

constexpr TouchSet Sets[] = {TouchSetTitle, TouchSetPlay, TouchSetBack};

std::vector<int> ControlsOf(TouchSet set) {
    switch (set) {
    case TouchSetTitle: return {ControlLand1, ControlLand2, ControlLand3, ControlLand4, ControlStory};
    case TouchSetPlay:
        return {ControlLeft, ControlRight, ControlUp, ControlDown, ControlJump, ControlFire, ControlPunch, ControlPause};
    case TouchSetBack: return {ControlBack};
    default: return {};
    }
}

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

ScreenLayout Layout(const Case& screen, TouchSet set) {
    ScreenShape shape;
    shape.width = screen.width;
    shape.height = screen.height;
    shape.safe = screen.safe;
    return LayoutScreen(shape, set);
}

ScreenRect Centre(const ScreenRect& rect) { return {rect.x + rect.width / 2, rect.y + rect.height / 2, 1, 1}; }

}  // namespace

TEST(TouchLayout, EveryControlIsAThumbsTargetInsideTheSafeAreaAndClearOfTheOthers)
{
    for (const Case& screen : Screens) {
        for (TouchSet set : Sets) {
            SCOPED_TRACE(std::string(screen.name) + ", set " + std::to_string(set));
            const ScreenLayout layout = Layout(screen, set);
            ASSERT_NE(layout.placement, PlacementHidden);
            const std::vector<int> wanted = ControlsOf(set);
            for (int control = 0; control < ControlCount; ++control) {
                const ScreenRect& rect = layout.controls[control];
                const bool expected = std::find(wanted.begin(), wanted.end(), control) != wanted.end();
                ASSERT_EQ(rect.width > 0, expected) << TouchControlName(control);
                if (!expected) continue;
                EXPECT_GE(rect.width, MinimumTarget) << TouchControlName(control);
                EXPECT_GE(rect.height, MinimumTarget) << TouchControlName(control);
                EXPECT_GE(rect.x, screen.safe.left) << TouchControlName(control);
                EXPECT_GE(rect.y, screen.safe.top) << TouchControlName(control);
                EXPECT_LE(rect.x + rect.width, screen.width - screen.safe.right) << TouchControlName(control);
                EXPECT_LE(rect.y + rect.height, screen.height - screen.safe.bottom) << TouchControlName(control);
                if (layout.placement != PlacementOver) {
                    EXPECT_FALSE(Overlap(rect, layout.picture)) << TouchControlName(control) << " covers the picture";
                }
                for (int other = control + 1; other < ControlCount; ++other) {
                    if (layout.controls[other].width == 0) continue;
                    EXPECT_FALSE(Overlap(rect, layout.controls[other]))
                        << TouchControlName(control) << " and " << TouchControlName(other);
                }
            }
        }
    }
}

TEST(TouchLayout, ThePictureKeepsItsAspectAndOnePlaceOnEveryScreenOfTheGame)
{
    for (const Case& screen : Screens) {
        SCOPED_TRACE(screen.name);
        const ScreenLayout play = Layout(screen, TouchSetPlay);
        const ScreenRect& picture = play.picture;
        EXPECT_NEAR(picture.width * 3, picture.height * 4, 4);
        EXPECT_GE(picture.x, 0);
        EXPECT_GE(picture.y, 0);
        EXPECT_LE(picture.x + picture.width, screen.width);
        EXPECT_LE(picture.y + picture.height, screen.height);
        for (TouchSet set : {TouchSetTitle, TouchSetBack}) {
            const ScreenRect other = Layout(screen, set).picture;
            EXPECT_EQ(other.x, picture.x);
            EXPECT_EQ(other.y, picture.y);
            EXPECT_EQ(other.width, picture.width);
        }
    }
}

TEST(TouchLayout, EachShapeOfScreenGetsItsPlacement)
{
    // A landscape phone: the controls in the bars, the picture as large as without them.
    const ScreenLayout phone = Layout({"", 844, 390, {}}, TouchSetPlay);
    EXPECT_EQ(phone.placement, PlacementBars);
    EXPECT_EQ(phone.picture.x, 162);
    EXPECT_EQ(phone.picture.width, 520);
    EXPECT_EQ(phone.picture.height, 390);
    EXPECT_LT(phone.dpad.x + phone.dpad.width, phone.picture.x);
    EXPECT_GT(phone.controls[ControlFire].x, phone.picture.x + phone.picture.width);
    // With the notch's insets the bars are too narrow: the picture gives up a little height.
    const ScreenLayout notched = Layout({"", 844, 390, {47, 0, 47, 21}}, TouchSetPlay);
    EXPECT_EQ(notched.placement, PlacementBars);
    EXPECT_LT(notched.picture.height, 390);
    EXPECT_GE(notched.picture.height * 4, 390 * 3);
    // Portrait: the picture at the top, full width, under the safe area; the controls below.
    const ScreenLayout portrait = Layout({"", 390, 844, {0, 47, 0, 34}}, TouchSetPlay);
    EXPECT_EQ(portrait.placement, PlacementBelow);
    EXPECT_EQ(portrait.picture.y, 47);
    EXPECT_EQ(portrait.picture.width, 390);
    EXPECT_GE(portrait.dpad.y, portrait.picture.y + portrait.picture.height);
    // A 4:3 tablet has no room beside the picture: over its corners, clear of the status line
    // across its top.
    const ScreenLayout tablet = Layout({"", 1024, 768, {}}, TouchSetPlay);
    EXPECT_EQ(tablet.placement, PlacementOver);
    const int statusBottom = tablet.picture.y + tablet.picture.height * 16 / 480;
    for (int control : ControlsOf(TouchSetPlay)) {
        const ScreenRect& rect = tablet.controls[control];
        EXPECT_GE(rect.y, statusBottom) << TouchControlName(control);
        EXPECT_TRUE(Overlap(rect, tablet.picture)) << TouchControlName(control);
    }
    EXPECT_LT(Centre(tablet.dpad).x, tablet.picture.x + tablet.picture.width / 2);
    EXPECT_GT(Centre(tablet.controls[ControlFire]).x, tablet.picture.x + tablet.picture.width / 2);
    // Hidden: the plain letterbox and nothing else.
    const ScreenLayout hidden = Layout({"", 390, 844, {0, 47, 0, 34}}, TouchSetNone);
    EXPECT_EQ(hidden.placement, PlacementHidden);
    EXPECT_EQ(hidden.picture.y, (844 - 292) / 2);
    EXPECT_EQ(hidden.dpad.width, 0);
    for (const ScreenRect& rect : hidden.controls) EXPECT_EQ(rect.width, 0);
}

TEST(TouchLayout, ButtonsAreFoundWhereTheyAreDrawnAndTheDpadIsNoButton)
{
    const ScreenLayout layout = Layout({"", 915, 412, {}}, TouchSetPlay);
    for (int control : {ControlJump, ControlFire, ControlPunch, ControlPause}) {
        const ScreenRect centre = Centre(layout.controls[control]);
        EXPECT_EQ(ButtonAt(layout, centre.x, centre.y), control) << TouchControlName(control);
    }
    const ScreenRect pad = Centre(layout.controls[ControlRight]);
    EXPECT_EQ(ButtonAt(layout, pad.x, pad.y), -1);
    EXPECT_EQ(ButtonAt(layout, layout.picture.x + 10.0f, layout.picture.y + 10.0f), -1);
}

TEST(TouchLayout, TheDpadReadsTheAngleWithADeadZoneAndDiagonals)
{
    const ScreenLayout layout = Layout({"", 844, 390, {}}, TouchSetPlay);
    const float x = layout.dpad.x + layout.dpad.width / 2.0f, y = layout.dpad.y + layout.dpad.height / 2.0f;
    const float reach = layout.dpad.width / 3.0f;
    EXPECT_EQ(DpadDirections(layout, x, y), 0);
    EXPECT_EQ(DpadDirections(layout, x + 3, y - 3), 0);  // a thumb resting on the centre
    EXPECT_EQ(DpadDirections(layout, x + reach, y), DpadRightBit);
    EXPECT_EQ(DpadDirections(layout, x - reach, y), DpadLeftBit);
    EXPECT_EQ(DpadDirections(layout, x, y - reach), DpadUpBit);
    EXPECT_EQ(DpadDirections(layout, x, y + reach), DpadDownBit);
    // 15 degrees off an axis is that arm alone; 30 degrees is already the diagonal.
    EXPECT_EQ(DpadDirections(layout, x + reach, y - reach * 0.268f), DpadRightBit);
    EXPECT_EQ(DpadDirections(layout, x + reach, y - reach * 0.577f), DpadRightBit | DpadUpBit);
    EXPECT_EQ(DpadDirections(layout, x - reach, y + reach), DpadLeftBit | DpadDownBit);
    // Far off the d-pad, even over the picture, the finger still steers.
    EXPECT_EQ(DpadDirections(layout, x + 400, y + 10), DpadRightBit);
}
