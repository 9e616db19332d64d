#include "input/gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "input/keyboard.h"

namespace {

// A third of the stick's travel: a resting stick that does not centre exactly walks nobody.
constexpr Sint16 DeadZone = 32767 / 3;

struct ButtonKey {
    SDL_GameControllerButton button;
    int code;
};

constexpr ButtonKey ButtonKeys[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, DIK_LEFT}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, DIK_RIGHT},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, DIK_UP},     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, DIK_DOWN},
    {SDL_CONTROLLER_BUTTON_A, DIK_UP},           {SDL_CONTROLLER_BUTTON_X, DIK_SPACE},
    {SDL_CONTROLLER_BUTTON_B, DIK_RMENU},
};

struct Pad {
    SDL_GameController* controller;
    bool startDown;
    int startMeans;  // the key Start stood for when it went down
};

std::vector<Pad> pads;
bool started = false;
int startKey = -1;

bool Held(SDL_GameController* pad, SDL_GameControllerButton button)
{
    return SDL_GameControllerGetButton(pad, button) != 0;
}

void AddKeysOf(Pad& held, uint8_t keys[256])
{
    SDL_GameController* pad = held.controller;
    for (const ButtonKey& pair : ButtonKeys) {
        if (Held(pad, pair.button)) keys[pair.code] = 0x80;
    }
    const Sint16 x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    const Sint16 y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    if (x < -DeadZone) keys[DIK_LEFT] = 0x80;
    if (x > DeadZone) keys[DIK_RIGHT] = 0x80;
    if (y < -DeadZone) keys[DIK_UP] = 0x80;
    if (y > DeadZone) keys[DIK_DOWN] = 0x80;
    const bool back = Held(pad, SDL_CONTROLLER_BUTTON_BACK);
    const bool start = Held(pad, SDL_CONTROLLER_BUTTON_START);
    // Start keeps the meaning of the screen it was pressed on: held on into the next screen it
    // does not act there too.
    if (start && !held.startDown) held.startMeans = startKey;
    held.startDown = start;
    if (back && start) {
        keys[DIK_ESCAPE] = 0x80;  // together they mean only this
        return;
    }
    if (back) keys[DIK_F5] = 0x80;
    if (start && held.startMeans >= 0) keys[held.startMeans] = 0x80;
}

SDL_JoystickID InstanceOf(const Pad& pad)
{
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad.controller));
}

}  // namespace

int InitGamepads()
{
    if (!started) {
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return 0;
        started = true;
    }
    return 1;
}

void ShutdownGamepads()
{
    for (const Pad& pad : pads) SDL_GameControllerClose(pad.controller);
    pads.clear();
    if (started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

void HandleGamepadEvent(const SDL_Event& event)
{
    if (!started) return;
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which);
        if (!pad) return;
        // Opening a pad twice only counts SDL's reference up: give the second one back.
        if (std::any_of(pads.begin(), pads.end(), [&](const Pad& open) { return open.controller == pad; }))
            SDL_GameControllerClose(pad);
        else
            pads.push_back(Pad{pad, false, -1});
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        // Here `which` names the pad's instance, not its device index.
        const auto gone = std::find_if(pads.begin(), pads.end(),
                                       [&](const Pad& pad) { return InstanceOf(pad) == event.cdevice.which; });
        if (gone == pads.end()) return;
        SDL_GameControllerClose(gone->controller);
        pads.erase(gone);
    }
}

int OpenGamepadCount() { return static_cast<int>(pads.size()); }

bool PadInUse(const SDL_Event& event)
{
    if (event.type == SDL_CONTROLLERBUTTONDOWN) return true;
    return event.type == SDL_CONTROLLERAXISMOTION && (event.caxis.value > DeadZone || event.caxis.value < -DeadZone);
}

void SetPadStartKey(int keyCode) { startKey = keyCode; }

void AddPadKeys(uint8_t keys[256])
{
    for (Pad& pad : pads) AddKeysOf(pad, keys);
}

bool PadHoldsKey(int keyCode)
{
    if (pads.empty() || keyCode < 0 || keyCode > 255) return false;
    uint8_t keys[256];
    std::memset(keys, 0, sizeof keys);
    AddPadKeys(keys);
    return keys[keyCode] != 0;
}
