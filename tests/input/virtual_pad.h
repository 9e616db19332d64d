#pragma once
// A game controller made of nothing: SDL's virtual joystick with every button and axis of its
// controller mapping, driven by the test through the game's own message pump.
#include <SDL.h>
#include <gtest/gtest.h>

#include "input/window_messages.h"

// Moves pending SDL events (plug-ins, unplugs, button changes) through the game's pump.
inline void PumpPadEvents()
{
    WindowMessage msg;
    while (PeekWindowMessage(&msg)) {
    }
}

class VirtualPad {
public:
    VirtualPad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(index, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(index);
        EXPECT_NE(joystick_, nullptr) << SDL_GetError();
        PumpPadEvents();
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void Button(SDL_GameControllerButton button, bool down)
    {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
        PumpPadEvents();
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value)
    {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
        PumpPadEvents();
    }
    void Unplug()
    {
        if (!joystick_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
        }
        PumpPadEvents();
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};
