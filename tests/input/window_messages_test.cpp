#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "input/window_messages.h"

TEST(WindowMessages, QueueIsFirstInFirstOutAndDropsWhenFull) {
    WindowMessage msg;
    EXPECT_FALSE(PeekWindowMessage(&msg));
    PostWindowMessage(WM_DESTROY);
    PostQuitMessage(7);
    ASSERT_TRUE(PeekWindowMessage(&msg));
    EXPECT_EQ(msg.message, WM_DESTROY);
    ASSERT_TRUE(PeekWindowMessage(&msg));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 7);
    EXPECT_FALSE(PeekWindowMessage(&msg));

    int posted = 0;
    for (; posted < 1000; ++posted) PostWindowMessage(WM_PAINT, posted);
    int taken = 0;
    while (PeekWindowMessage(&msg)) {
        EXPECT_EQ(msg.wParam, taken);  // the oldest are kept, in order
        ++taken;
    }
    EXPECT_GT(taken, 0);
    EXPECT_LT(taken, posted);
}

namespace {

void PushKey(SDL_Scancode code, Uint16 mod, bool repeat = false) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = code;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    SDL_PushEvent(&event);
}

}  // namespace

TEST(WindowMessages, SdlEventsBecomeWindowMessages) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    PushKey(SDL_SCANCODE_ESCAPE, KMOD_NONE);   // polled by the frames, not a message
    PushKey(SDL_SCANCODE_RETURN, KMOD_NONE);   // Enter alone belongs to the screens
    PushKey(SDL_SCANCODE_F11, KMOD_NONE);
    PushKey(SDL_SCANCODE_F11, KMOD_NONE, true);  // a held key's repeats toggle nothing
    PushKey(SDL_SCANCODE_RETURN, KMOD_LALT);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    // A browser tab put behind another is hidden rather than minimised: it pauses the same way.
    for (Uint8 what : {SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_RESTORED,
                       SDL_WINDOWEVENT_MINIMIZED, SDL_WINDOWEVENT_SHOWN, SDL_WINDOWEVENT_HIDDEN}) {
        SDL_Event window{};
        window.type = SDL_WINDOWEVENT;
        window.window.event = what;
        SDL_PushEvent(&window);
    }

    std::vector<int> messages, wParams;
    WindowMessage msg;
    while (PeekWindowMessage(&msg)) {
        messages.push_back(msg.message);
        wParams.push_back(msg.wParam);
    }
    EXPECT_EQ(messages,
              (std::vector<int>{WM_TOGGLEFULLSCREEN, WM_TOGGLEFULLSCREEN, WM_CLOSE, WM_KILLFOCUS, WM_SIZE, WM_SIZE}));
    EXPECT_EQ(wParams[4], SIZE_MINIMIZED);
    EXPECT_EQ(wParams[5], SIZE_MINIMIZED);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}
