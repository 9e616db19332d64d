// The order of a play frame, seen through what each step leaves for the next.
#include "display/display.h"
#include "tests/game/play_fixture.h"

#include <SDL.h>

namespace {

TEST_F(Play, AFrameTakesThirtyMilliseconds)
{
    Start();
    const unsigned before = SimulatedTime();
    Frames(10, {DIK_RIGHT});
    EXPECT_EQ(SimulatedTime() - before, 300u);
}

TEST_F(Play, EscapeEndsThePlayAfterTheFrameIsDrawn)
{
    Start();
    EXPECT_TRUE(RunPasses(1, {DIK_ESCAPE, DIK_RIGHT}));
    EXPECT_EQ(WorldPosition, 4);
    HoldKeys({});
    int passes = 0;
    while (RunPass() && passes < 5) ++passes;
    EXPECT_LT(passes, 5);
    EXPECT_EQ(SimulatorExitCode(), 0);
}

TEST_F(Play, TheWallTestOfOneFrameStopsTheWalkOfTheNext)
{
    Start();
    ClearEnemies();
    MoveTo(64 * 28 + 40);
    while (!WallAhead) Frames(1, {DIK_RIGHT});
    // The frame that found the wall had already walked: its step ends with the wall column on
    // the rise, and the hero stays there.
    EXPECT_EQ((WorldPosition + 20) / 64 + 5, 34);
    const int stopped = WorldPosition;
    Frames(1, {DIK_RIGHT});
    EXPECT_EQ(WorldPosition, stopped);
}

TEST_F(Play, TheHeroIsDrawnOverTheMapAndTheStatusLineOverBoth)
{
    Start();
    Frames(1);
    SDL_Surface* back = TheDisplay.backSurface;
    ASSERT_NE(back, nullptr);
    const auto pixel = [back](int x, int y) { return static_cast<const uint8_t*>(back->pixels)[y * back->pitch + x]; };
    // Below the 448-row clip nothing is drawn.
    for (int x = 0; x < 640; x += 7) EXPECT_EQ(pixel(x, 460), 0) << x;
    // The hero covers the ground tile column at his feet: some of his pixels differ from a frame
    // drawn without him.
    std::vector<uint8_t> with(back->h * back->pitch);
    std::copy_n(static_cast<const uint8_t*>(back->pixels), with.size(), with.begin());
    HeroObject.posX = -1000;
    Frames(1);
    int differing = 0;
    for (int y = 249; y < 249 + 74; ++y) {
        for (int x = 275; x < 275 + 94; ++x) differing += with[y * back->pitch + x] != pixel(x, y) ? 1 : 0;
    }
    EXPECT_GT(differing, 200);
}

}  // namespace
