#pragma once
// A touch screen made of nothing: a hidden window of a phone's size under SDL's dummy video,
// and fingers on it pushed as SDL's own finger events through the game's message pump.
#include <SDL.h>
#include <gtest/gtest.h>

#include "input/touch.h"
#include "input/window_messages.h"

class Fingers {
public:
    Fingers(int width = 844, int height = 390) : width_(width), height_(height), owned_(true)
    {
        EXPECT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS), 0) << SDL_GetError();
        window_ = SDL_CreateWindow("touch", 0, 0, width, height, SDL_WINDOW_HIDDEN);
        EXPECT_NE(window_, nullptr) << SDL_GetError();
    }
    // Fingers on a window of the caller's.
    explicit Fingers(SDL_Window* window) : window_(window) { SDL_GetWindowSize(window, &width_, &height_); }
    ~Fingers()
    {
        if (!owned_) return;
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
    Fingers(const Fingers&) = delete;
    Fingers& operator=(const Fingers&) = delete;

    // x and y in the window's coordinates.
    void Down(int finger, float x, float y) { Send(SDL_FINGERDOWN, finger, x, y); }
    void Move(int finger, float x, float y) { Send(SDL_FINGERMOTION, finger, x, y); }
    void Up(int finger) { Send(SDL_FINGERUP, finger, lastX_, lastY_); }
    void DownOn(int finger, int control) { Down(finger, CentreX(control), CentreY(control)); }
    void MoveOnto(int finger, int control) { Move(finger, CentreX(control), CentreY(control)); }

    ScreenLayout Layout() const { return TouchScreenLayout(width_, height_); }
    float CentreX(int control) const
    {
        const ScreenRect rect = Layout().controls[control];
        return rect.x + rect.width / 2.0f;
    }
    float CentreY(int control) const
    {
        const ScreenRect rect = Layout().controls[control];
        return rect.y + rect.height / 2.0f;
    }
    SDL_Window* Window() const { return window_; }
    // Touches SDL makes from the mouse come from this device.
    SDL_TouchID device = 1;

private:
    void Send(Uint32 type, int finger, float x, float y)
    {
        SDL_Event event{};
        event.type = type;
        event.tfinger.touchId = device;
        event.tfinger.fingerId = finger;
        event.tfinger.x = x / width_;
        event.tfinger.y = y / height_;
        event.tfinger.pressure = 1;
        event.tfinger.windowID = SDL_GetWindowID(window_);
        lastX_ = x;
        lastY_ = y;
        SDL_PushEvent(&event);
        WindowMessage msg;
        while (PeekWindowMessage(&msg)) {
        }
    }

    int width_ = 0;
    int height_ = 0;
    bool owned_ = false;
    float lastX_ = 0;
    float lastY_ = 0;
    SDL_Window* window_ = nullptr;
};
