#pragma once
// The keyboard: a whole-keyboard snapshot per play frame (KeyState) and an instantaneous
// query for the few keys the screens poll. Both read one source: SDL's keyboard, or a
// script of key states that a test or a developer tool supplies; the gamepads' keys and the
// touch controls' are added to either (input/gamepad.h, input/touch.h).
#include <cstdint>

// Key codes: indexes into KeyState.
constexpr int DIK_ESCAPE = 0x01;
constexpr int DIK_RETURN = 0x1C;
constexpr int DIK_P = 0x19;
constexpr int DIK_SPACE = 0x39;
constexpr int DIK_F1 = 0x3B;
constexpr int DIK_F2 = 0x3C;
constexpr int DIK_F3 = 0x3D;
constexpr int DIK_F4 = 0x3E;
constexpr int DIK_F5 = 0x3F;
constexpr int DIK_M = 0x32;
constexpr int DIK_RMENU = 0xB8;  // right Alt
constexpr int DIK_UP = 0xC8;
constexpr int DIK_LEFT = 0xCB;
constexpr int DIK_RIGHT = 0xCD;
constexpr int DIK_DOWN = 0xD0;
constexpr int DIK_PAUSE = 0xC5;

// Virtual keys for the instantaneous query.
constexpr int VK_RETURN = 0x0D;
constexpr int VK_PAUSE = 0x13;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_P = 0x50;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_M = 0x4D;

// One byte per key code; non-zero while the key is down. Filled by ReadKeyboard.
extern uint8_t KeyState[256];

int InitKeyboard();       // 1 ready, 0 failed
void ReadKeyboard();      // the current snapshot into KeyState
void ShutdownKeyboard();

// Instantaneous query: true while the virtual key (VK_ESCAPE, VK_RETURN, VK_F1..VK_F5, VK_P, VK_PAUSE,
// VK_M) is down.
bool KeyDownNow(int virtualKey);

// Replaces SDL's keyboard as the key source: `keys` (256 bytes indexed by key code, owned by the
// caller, read on every query) is what both ReadKeyboard and KeyDownNow see. nullptr returns to SDL.
void UseScriptedKeys(const uint8_t* keys);
