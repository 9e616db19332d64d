#include "input/touch.h"

#include <SDL.h>

#include <cstring>

#include "input/keyboard.h"
#include "input/safe_area.h"

namespace {

struct Finger {
    bool down = false;
    SDL_TouchID touch = 0;
    SDL_FingerID id = 0;
    bool steers = false;  // began on the d-pad
    bool inert = false;   // presses nothing until it is lifted
    int directions = 0;   // the d-pad's arms it holds, while it steers
    int button = -1;      // the button it holds otherwise
};

// More than two thumbs and a few fingers: anything beyond is not a player's hand.
constexpr int MaxFingers = 10;

constexpr int ArmKeys[] = {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN};  // by bit, as the layout's
constexpr int ArmBits[] = {DpadLeftBit, DpadRightBit, DpadUpBit, DpadDownBit};

int ButtonKey(int control) {
    switch (control) {
    case ControlJump: return DIK_UP;
    case ControlFire: return DIK_SPACE;
    case ControlPunch: return DIK_RMENU;
    case ControlPause: return DIK_PAUSE;
    case ControlLand1: return DIK_F1;
    case ControlLand2: return DIK_F2;
    case ControlLand3: return DIK_F3;
    case ControlLand4: return DIK_F4;
    case ControlStory: return DIK_F5;
    case ControlBack: return DIK_RETURN;
    default: return -1;
    }
}

Finger fingers[MaxFingers];
TouchSet screenSet = TouchSetNone;
bool shown = false;
// Keys pressed since the frame began, and those the frame before this one saw pressed: a tap
// shorter than a frame still holds its key for one frame.
uint8_t pressedSince[256];
uint8_t tapped[256];

void KeysOf(const Finger& finger, uint8_t keys[256]) {
    if (!finger.down || finger.inert) return;
    for (int arm = 0; arm < 4; ++arm) {
        if (finger.directions & ArmBits[arm]) keys[ArmKeys[arm]] = 0x80;
    }
    const int key = ButtonKey(finger.button);
    if (key >= 0) keys[key] = 0x80;
}

Finger* Find(const SDL_TouchFingerEvent& event) {
    for (Finger& finger : fingers) {
        if (finger.down && finger.touch == event.touchId && finger.id == event.fingerId) return &finger;
    }
    return nullptr;
}

Finger* FreeSlot() {
    for (Finger& finger : fingers) {
        if (!finger.down) return &finger;
    }
    return nullptr;
}

// What the finger at (x, y) holds now. A finger that starts on the d-pad keeps it; every other
// one holds the button it is on.
void Aim(Finger& finger, const ScreenLayout& layout, float x, float y) {
    if (finger.steers)
        finger.directions = DpadDirections(layout, x, y);
    else
        finger.button = ButtonAt(layout, x, y);
    KeysOf(finger, pressedSince);
}

}  // namespace

void HandleTouchEvent(const SDL_Event& event) {
    if (event.type != SDL_FINGERDOWN && event.type != SDL_FINGERMOTION && event.type != SDL_FINGERUP) return;
    const SDL_TouchFingerEvent& touch = event.tfinger;
    if (touch.touchId == SDL_MOUSE_TOUCHID) return;
    if (event.type == SDL_FINGERUP) {
        if (Finger* finger = Find(touch)) *finger = Finger{};
        return;
    }
    SDL_Window* window = SDL_GetWindowFromID(touch.windowID);
    int width = 0, height = 0;
    if (window) SDL_GetWindowSize(window, &width, &height);
    // A finger on no window of ours cannot be placed.
    if (width <= 0 || height <= 0) return;
    Finger* finger = Find(touch);
    if (event.type == SDL_FINGERDOWN && !finger) {
        finger = FreeSlot();
        if (!finger) return;
        *finger = Finger{true, touch.touchId, touch.fingerId};
        // The touch that brings the controls presses nothing: the player has not seen them yet.
        if (!shown) {
            ShowTouchControls();
            finger->inert = true;
            return;
        }
        const ScreenLayout layout = TouchScreenLayout(width, height);
        finger->steers = Contains(layout.dpad, touch.x * width, touch.y * height);
        Aim(*finger, layout, touch.x * width, touch.y * height);
        return;
    }
    if (!finger || finger->inert) return;
    Aim(*finger, TouchScreenLayout(width, height), touch.x * width, touch.y * height);
}

void SetTouchSet(TouchSet set) {
    if (set != screenSet) ReleaseTouchKeys();
    screenSet = set;
    std::memcpy(tapped, pressedSince, sizeof tapped);
    std::memset(pressedSince, 0, sizeof pressedSince);
}

void ShowTouchControls() { shown = true; }

void HideTouchControls() {
    shown = false;
    ReleaseTouchKeys();
}

bool TouchControlsShown() { return shown; }

void ReleaseTouchKeys() {
    for (Finger& finger : fingers) {
        finger.inert = finger.down;
        finger.directions = 0;
        finger.button = -1;
    }
    std::memset(pressedSince, 0, sizeof pressedSince);
    std::memset(tapped, 0, sizeof tapped);
}

void AddTouchKeys(uint8_t keys[256]) {
    for (const Finger& finger : fingers) KeysOf(finger, keys);
    for (int code = 0; code < 256; ++code) {
        if (tapped[code]) keys[code] = 0x80;
    }
}

bool TouchHoldsKey(int keyCode) {
    if (keyCode < 0 || keyCode > 255) return false;
    uint8_t keys[256];
    std::memset(keys, 0, sizeof keys);
    AddTouchKeys(keys);
    return keys[keyCode] != 0;
}

ScreenLayout TouchScreenLayout(int windowWidth, int windowHeight) {
    ScreenShape shape;
    shape.width = windowWidth;
    shape.height = windowHeight;
    if (!shown) return LayoutScreen(shape, TouchSetNone);
    shape.safe = ReadSafeArea();
    return LayoutScreen(shape, screenSet);
}

bool TouchControlHeld(int control) {
    for (const Finger& finger : fingers) {
        if (!finger.down || finger.inert) continue;
        if (control >= ControlLeft && control <= ControlDown && (finger.directions & ArmBits[control - ControlLeft]))
            return true;
        if (finger.button == control && control >= ControlJump) return true;
    }
    return false;
}
