// The window's icon is read before the window opens, so a missing file can stop the game
// before anything is shown; with a window, the icon is handed over once.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "app/launch.h"
#include "app/window.h"

TEST(WindowIcon, TheGeneratedIconIsReadAndHandedToTheWindow) {
    ASSERT_EQ(LoadWindowIcon(WindowIconFile), 1) << WindowError();
    SDL_Window* window = CreateMainWindow();
    ASSERT_NE(window, nullptr) << WindowError();
    ShowWindowIcon(window);
    CloseMainWindow();
}

TEST(WindowIcon, AMissingIconFileIsReportedBeforeAnyWindow) {
    EXPECT_EQ(LoadWindowIcon("no-such-icon.bmp"), 0);
    EXPECT_NE(std::string(WindowError()).find("no-such-icon.bmp"), std::string::npos) << WindowError();
    EXPECT_EQ(MainWindow, nullptr);
    // A missing icon leaves nothing to hand over, and closing without a window is harmless.
    CloseMainWindow();
}
