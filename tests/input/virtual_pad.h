#pragma once
// A game controller made of nothing: SDL's virtual joystick with every button and axis of its
// controller mapping, driven by the test through the game's own message pump. Or a joystick
// SDL has no mapping for, as the built-in pad of some handhelds is.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "input/window_messages.h"

// Moves pending SDL events (plug-ins, unplugs, button changes) through the game's pump.
inline void PumpPadEvents()
{
    WindowMessage msg;
    while (PeekWindowMessage(&msg)) {
    }
}

// Nine buttons and two axes of no known kind: SDL makes no controller of it by itself. Its USB
// ids, as a real device's, go into its GUID, and a line with that GUID maps it.
inline SDL_VirtualJoystickDesc UnmappedStick()
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.vendor_id = 0x1209;
    desc.product_id = 0x0a71;
    desc.naxes = 2;
    desc.nbuttons = 9;
    desc.name = "Handheld Pad";
    return desc;
}

// Its buttons as the mapping below numbers them: in an order of their own, so that keys coming
// out right show that the game plays by the line.
namespace StickButton {
constexpr int Left = 0, Right = 1, Up = 2, Down = 3, Start = 4, Back = 5, A = 6, B = 7, X = 8;
}

// The line of a mapping file that makes that stick a pad.
inline std::string UnmappedStickMapping(const std::string& guid)
{
    return guid + ",Handheld Pad,dpleft:b0,dpright:b1,dpup:b2,dpdown:b3,start:b4,back:b5,a:b6,b:b7,x:b8," +
           "leftx:a0,lefty:a1,platform:" + SDL_GetPlatform() + ",\n";
}

class VirtualPad {
public:
    // Later: the plug-in waits in SDL's queue until the test pumps, as a pad plugged in before
    // the game started does.
    enum class Pump { Now, Later };

    VirtualPad() : VirtualPad(ControllerDesc()) {}
    explicit VirtualPad(const SDL_VirtualJoystickDesc& desc, Pump pump = Pump::Now)
    {
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(index, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(index);
        EXPECT_NE(joystick_, nullptr) << SDL_GetError();
        if (pump == Pump::Now) PumpPadEvents();
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // A controller's button or axis, or a plain joystick's by its number.
    void Button(int button, bool down)
    {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
        PumpPadEvents();
    }
    void Axis(int axis, Sint16 value)
    {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
        PumpPadEvents();
    }
    std::string Guid() const
    {
        char text[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), text, sizeof text);
        return text;
    }
    // Whether SDL has a controller mapping for it now.
    bool IsController() const
    {
        const int index = DeviceIndex();
        return index >= 0 && SDL_IsGameController(index);
    }
    void Unplug()
    {
        if (!joystick_) return;
        const int index = DeviceIndex();
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        if (index >= 0) SDL_JoystickDetachVirtual(index);
        PumpPadEvents();
    }

private:
    static SDL_VirtualJoystickDesc ControllerDesc()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        return desc;
    }
    int DeviceIndex() const
    {
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
        }
        return -1;
    }

    SDL_Joystick* joystick_ = nullptr;
};
