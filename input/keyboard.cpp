#include "input/keyboard.h"

#include <SDL.h>

#include <cstring>

#include "input/gamepad.h"
#include "input/touch.h"

uint8_t KeyState[256];

namespace {

const uint8_t* scriptedKeys = nullptr;
bool eventsStarted = false;

struct KeyPair {
    int code;
    SDL_Scancode scancode;
};

// The key codes the game reads, with the SDL scancode of the same physical key.
constexpr KeyPair KeyMap[] = {
    {DIK_ESCAPE, SDL_SCANCODE_ESCAPE}, {DIK_RETURN, SDL_SCANCODE_RETURN}, {DIK_SPACE, SDL_SCANCODE_SPACE},
    {DIK_F1, SDL_SCANCODE_F1},         {DIK_F2, SDL_SCANCODE_F2},         {DIK_F3, SDL_SCANCODE_F3},
    {DIK_F4, SDL_SCANCODE_F4},         {DIK_F5, SDL_SCANCODE_F5},         {DIK_RMENU, SDL_SCANCODE_RALT},
    {DIK_UP, SDL_SCANCODE_UP},         {DIK_LEFT, SDL_SCANCODE_LEFT},     {DIK_RIGHT, SDL_SCANCODE_RIGHT},
    {DIK_DOWN, SDL_SCANCODE_DOWN},     {DIK_P, SDL_SCANCODE_P},           {DIK_PAUSE, SDL_SCANCODE_PAUSE},
    {DIK_M, SDL_SCANCODE_M},
};

// The instantaneous query names keys by virtual key; both sources are indexed by key code.
int KeyCodeOfVirtualKey(int virtualKey) {
    switch (virtualKey) {
    case VK_ESCAPE: return DIK_ESCAPE;
    case VK_RETURN: return DIK_RETURN;
    case VK_F1: return DIK_F1;
    case VK_F2: return DIK_F2;
    case VK_F3: return DIK_F3;
    case VK_F4: return DIK_F4;
    case VK_F5: return DIK_F5;
    case VK_M: return DIK_M;
    case VK_P: return DIK_P;
    case VK_PAUSE: return DIK_PAUSE;
    default: return -1;
    }
}

bool SdlKeyDown(int code) {
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    for (const KeyPair& pair : KeyMap) {
        if (pair.code == code) return state[pair.scancode] != 0;
    }
    return false;
}

}  // namespace

int InitKeyboard() {
    // SDL's keyboard state is kept up to date by its event subsystem; hold a reference to it.
    if (!eventsStarted) {
        if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) return 0;
        eventsStarted = true;
    }
    return 1;
}

void ReadKeyboard() {
    if (scriptedKeys) {
        std::memcpy(KeyState, scriptedKeys, sizeof KeyState);
    } else {
        std::memset(KeyState, 0, sizeof KeyState);
        if (SDL_WasInit(SDL_INIT_EVENTS)) {
            SDL_PumpEvents();
            const Uint8* state = SDL_GetKeyboardState(nullptr);
            for (const KeyPair& pair : KeyMap) KeyState[pair.code] = state[pair.scancode] ? 0x80 : 0;
        }
    }
    AddPadKeys(KeyState);
    AddTouchKeys(KeyState);
}

void ShutdownKeyboard() {
    if (eventsStarted) SDL_QuitSubSystem(SDL_INIT_EVENTS);
    eventsStarted = false;
}

bool KeyDownNow(int virtualKey) {
    int code = KeyCodeOfVirtualKey(virtualKey);
    if (code < 0) return false;
    const bool keyboard = scriptedKeys ? scriptedKeys[code] != 0 : SdlKeyDown(code);
    return keyboard || PadHoldsKey(code) || TouchHoldsKey(code);
}

void UseScriptedKeys(const uint8_t* keys) { scriptedKeys = keys; }
