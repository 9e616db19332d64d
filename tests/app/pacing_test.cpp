// Frame pacing through the whole loop, on a simulated display: the game's own passes, frame
// functions and presents, with a clock that counts microseconds and presents that block until
// the display's next refresh when it has vsync.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <vector>

#include "app/main_loop.h"
#include "display/display.h"
#include "game/game_state.h"
#include "input/frame_clock.h"
#include "input/keyboard.h"
#include "tools/sim/simulator.h"

namespace {

struct SimulatedDisplay {
    uint64_t refreshUs = 16667;
    bool vsync = true;
    bool presentsWait = true;    // false: a hidden window whose presents return at once
    uint64_t sleepOvershootUs = 300;
    uint64_t nowUs = 0;
    uint32_t noise = 12345;
    std::vector<uint64_t> shownAtRefresh;  // the refresh at which each new picture appears
    std::vector<uint32_t> frameStartMs;    // ClockStart of each frame whose picture was presented
    int presentsAgain = 0;

    // A deterministic spread of 0..maxUs, standing for work and wake-up times that vary.
    uint64_t Jitter(uint64_t maxUs) {
        noise = noise * 1103515245u + 12345u;
        return (noise >> 8) % (maxUs + 1);
    }
};

SimulatedDisplay Screen;

uint32_t Ticks() { return static_cast<uint32_t>(Screen.nowUs / 1000); }
void Sleep(uint32_t ms) { Screen.nowUs += ms * 1000ull + Screen.Jitter(Screen.sleepOvershootUs); }

void Present(bool newPicture) {
    Screen.nowUs += Screen.Jitter(newPicture ? 4000 : 500);  // converting and drawing take a while
    const uint64_t nextRefresh = Screen.nowUs / Screen.refreshUs + 1;
    if (newPicture) {
        Screen.shownAtRefresh.push_back(nextRefresh);
        Screen.frameStartMs.push_back(ClockStart);
    } else {
        ++Screen.presentsAgain;
    }
    if (Screen.vsync && Screen.presentsWait) Screen.nowUs = nextRefresh * Screen.refreshUs + Screen.Jitter(700);
}

struct Pacing : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(StartSimulator()) << SimulatorError();
        Screen = SimulatedDisplay{};
        SetClockSource(Ticks, Sleep);
        SetPresentHook(Present);
    }
    void TearDown() override {
        SetPresentHook(nullptr);
        PaceByRefresh(0);
        SetClockSource(nullptr, nullptr);
    }

    // Runs passes with the keys held until count more frames have been presented.
    static void Frames(size_t count, const std::vector<int>& keys = {}) {
        const size_t goal = Screen.shownAtRefresh.size() + count;
        HoldKeys(keys);
        for (int pass = 0; Screen.shownAtRefresh.size() < goal; ++pass) {
            ASSERT_LT(pass, 20 * static_cast<int>(count)) << "the loop stopped presenting frames";
            ASSERT_TRUE(RunPass());
        }
    }

    // Title screen frames, then play.
    static void TitleThenPlay(size_t frames) {
        Frames(20);
        Frames(1, {DIK_F1});
        ASSERT_EQ(GameState, GameStatePlay);
        Frames(frames, {DIK_RIGHT});
    }

    static std::vector<uint64_t> RefreshesShown() {
        std::vector<uint64_t> shown;
        for (size_t i = 1; i < Screen.shownAtRefresh.size(); ++i)
            shown.push_back(Screen.shownAtRefresh[i] - Screen.shownAtRefresh[i - 1]);
        return shown;
    }

    static uint32_t ShortestFrameStartGap() {
        uint32_t shortest = UINT32_MAX;
        for (size_t i = 1; i < Screen.frameStartMs.size(); ++i)
            shortest = std::min(shortest, Screen.frameStartMs[i] - Screen.frameStartMs[i - 1]);
        return shortest;
    }

    // The pacing figures a player sees: the median time between new pictures on screen, and the
    // share of pictures that stay for another number of refreshes than the usual one.
    static void Report(const char* what) {
        std::vector<uint32_t> starts;
        for (size_t i = 1; i < Screen.frameStartMs.size(); ++i)
            starts.push_back(Screen.frameStartMs[i] - Screen.frameStartMs[i - 1]);
        std::sort(starts.begin(), starts.end());
        std::vector<uint64_t> shown = RefreshesShown();
        std::sort(shown.begin(), shown.end());
        const uint64_t usual = shown[shown.size() / 2];
        const auto off = std::count_if(shown.begin(), shown.end(), [usual](uint64_t n) { return n != usual; });
        std::cout << what << ": median " << starts[starts.size() / 2] << " ms between frame starts, "
                  << usual * Screen.refreshUs / 1000.0 << " ms between pictures on screen (" << usual << " refreshes), " << 100.0 * off / shown.size() << "% of " << shown.size()
                  << " shown for another number of refreshes\n";
    }
};

}  // namespace

TEST_F(Pacing, At60HzEveryFrameStaysForTwoRefreshes) {
    PaceByRefresh(16.667);
    TitleThenPlay(300);
    const std::vector<uint64_t> shown = RefreshesShown();
    ASSERT_GE(shown.size(), 300u);
    for (size_t i = 0; i < shown.size(); ++i) ASSERT_EQ(shown[i], 2u) << "frame " << i;
    EXPECT_GE(ShortestFrameStartGap(), FrameTime);
    EXPECT_GT(Screen.presentsAgain, 300);  // the refresh between two frames was waited for by a present
    Report("vsync 60 Hz");
}

TEST_F(Pacing, At144HzEveryFrameStaysForFiveRefreshes) {
    Screen.refreshUs = 6944;
    PaceByRefresh(6.944);
    TitleThenPlay(300);
    const std::vector<uint64_t> shown = RefreshesShown();
    for (size_t i = 0; i < shown.size(); ++i) ASSERT_EQ(shown[i], 5u) << "frame " << i;
    EXPECT_GE(ShortestFrameStartGap(), FrameTime);
    Report("vsync 144 Hz");
}

TEST_F(Pacing, WithoutVsyncFramesStartEvery30Milliseconds) {
    Screen.vsync = false;
    Screen.sleepOvershootUs = 0;  // the clock's own wait polls out the last millisecond exactly
    PaceByRefresh(0);
    TitleThenPlay(300);
    for (size_t i = 1; i < Screen.frameStartMs.size(); ++i)
        ASSERT_EQ(Screen.frameStartMs[i] - Screen.frameStartMs[i - 1], FrameTime) << "frame " << i;
    EXPECT_EQ(Screen.presentsAgain, 0);
    Report("no vsync, on a 60 Hz screen");
}

TEST_F(Pacing, PauseSleepsInEveryPassAndPlayGoesOnAtTheSamePace) {
    PaceByRefresh(16.667);
    TitleThenPlay(20);
    Frames(1, {DIK_P});  // the pause's banner is one more picture
    ASSERT_TRUE(RunPasses(1));
    const uint64_t pausedAt = Screen.nowUs;
    const size_t pictures = Screen.shownAtRefresh.size();
    ASSERT_TRUE(RunPasses(30));
    EXPECT_EQ(Screen.shownAtRefresh.size(), pictures);
    // Each paused pass sleeps 30 ms and then waits for a refresh, as a frame would.
    EXPECT_GE(Screen.nowUs - pausedAt, 30u * 30000u);
    EXPECT_LE(Screen.nowUs - pausedAt, 30u * 50000u);
    Frames(1, {DIK_P});
    const size_t resumed = Screen.shownAtRefresh.size();
    Frames(100, {DIK_RIGHT});
    const std::vector<uint64_t> shown = RefreshesShown();
    for (size_t i = resumed; i < shown.size(); ++i) ASSERT_EQ(shown[i], 2u) << "frame " << i;
}

TEST_F(Pacing, PresentsThatStopWaitingNeitherSpinNorHurryTheFrames) {
    PaceByRefresh(16.667);
    Screen.presentsWait = false;
    const uint64_t start = Screen.nowUs;
    Frames(50);
    // Passes are held to about a refresh each, so frames still begin at least 30 ms apart, and
    // a pass never ends within half a refresh of the last.
    EXPECT_GE(ShortestFrameStartGap(), FrameTime);
    EXPECT_LE(Screen.presentsAgain, 2 * 50 + 2);
    EXPECT_GE(Screen.nowUs - start, 49u * 30000u);
}

TEST_F(Pacing, ARefreshTooFastToPaceByLeavesTheClockPacingAndPresentsWaitingForNothing) {
    TheDisplay.refreshMs = 1000.0 / 400;
    PaceByDisplay();
    EXPECT_FALSE(PacedByRefresh());
    EXPECT_EQ(TheDisplay.refreshMs, 0.0);
    TheDisplay.refreshMs = 1000.0 / 60;
    PaceByDisplay();
    EXPECT_TRUE(PacedByRefresh());
    TheDisplay.refreshMs = 0;
}

TEST_F(Pacing, CalledOncePerAnimationFrameThePassRunsAFrameOnlyWhenThirtyMillisecondsHavePassed) {
    // A page calls the pass alone, once per refresh of its 60 Hz screen, and presents nothing itself.
    Screen.vsync = false;
    PaceByRefresh(0);
    int exitCode = 0;
    for (int call = 0; call < 600; ++call) {
        Screen.nowUs = call * Screen.refreshUs;
        HoldKeys(call == 40 ? std::vector<int>{DIK_F1} : std::vector<int>{});
        ASSERT_TRUE(MainLoopPass(&exitCode));
    }
    EXPECT_NE(GameState, GameStateTitle);  // the F1 of an even call was seen
    EXPECT_NEAR(static_cast<double>(Screen.shownAtRefresh.size()), 300.0, 1.0);
    EXPECT_GE(ShortestFrameStartGap(), FrameTime);
    for (uint64_t shown : RefreshesShown()) ASSERT_EQ(shown, 2u);
}
