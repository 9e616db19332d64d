// The window is refused where nobody could see it, unless the player asked for such a driver.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/window.h"

namespace {

void NoDisplayAtAll()
{
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
}

}  // namespace

TEST(MainWindow, WithoutADisplayTheGameSaysSoInsteadOfRunningUnseen)
{
    NoDisplayAtAll();
    EXPECT_EQ(CreateMainWindow(), nullptr);
    EXPECT_EQ(std::string(WindowError()),
              "no display found: set DISPLAY or WAYLAND_DISPLAY, or run it from a desktop session");
    CloseMainWindow();
}

TEST(MainWindow, ADriverThatShowsNothingServesWhenAskedFor)
{
    NoDisplayAtAll();
    for (const char* driver : {"dummy", "offscreen"}) {
        setenv("SDL_VIDEODRIVER", driver, 1);
        EXPECT_NE(CreateMainWindow(), nullptr) << driver << ": " << WindowError();
        CloseMainWindow();
    }
}
