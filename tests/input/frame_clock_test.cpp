#include <gtest/gtest.h>

#include <ctime>
#include <vector>

#include "input/frame_clock.h"

namespace {

uint32_t fakeTicks = 0;
std::vector<uint32_t> sleeps;

uint32_t FakeTicks() { return fakeTicks; }
void FakeSleep(uint32_t ms) {
    sleeps.push_back(ms);
    fakeTicks += ms;
}

struct FakeClock : ::testing::Test {
    void SetUp() override {
        sleeps.clear();
        SetClockSource(FakeTicks, FakeSleep);
    }
    void TearDown() override { SetClockSource(nullptr, nullptr); }
};

}  // namespace

TEST_F(FakeClock, WaitCrossesTheWrapOfTheTickCount) {
    fakeTicks = 0xFFFFFFF0u;
    EXPECT_EQ(StartClock(), 0xFFFFFFF0u);
    EXPECT_EQ(WaitClock(30), 0x0000000Eu);
    EXPECT_EQ(ClockStart, 0xFFFFFFF0u);
}

TEST_F(FakeClock, WaitReturnsAtOnceWhenTheFrameTookLonger) {
    fakeTicks = 1000;
    StartClock();
    fakeTicks += 50;  // a slow frame
    EXPECT_EQ(WaitClock(30), 1050u);
    EXPECT_TRUE(sleeps.empty());
}

TEST_F(FakeClock, WaitSleepsOnlyForWhatIsLeft) {
    fakeTicks = 500;
    StartClock();
    fakeTicks += 12;
    EXPECT_EQ(WaitClock(30), 530u);
    ASSERT_EQ(sleeps.size(), 1u);
    EXPECT_EQ(sleeps[0], 18u);
}

TEST(RealClock, WaitHoldsTheFramePeriodWithoutSpinningThroughIt) {
    StartClock();
    const uint32_t start = ClockStart;
    const std::clock_t cpuBefore = std::clock();
    const uint32_t end = WaitClock(30);
    const double cpuMs = 1000.0 * (std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_GE(end - start, 30u);
    EXPECT_LT(end - start, 200u);  // generous: the machine may be busy
    EXPECT_LT(cpuMs, 15.0);  // a busy wait would use about 30 ms of processor time
}

TEST(FramePacing, EachFrameLastsTheFewestWholeRefreshesThatMakeThirtyMilliseconds) {
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 60), 2);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 59.94), 2);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 75), 3);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 100), 3);  // exactly 30 ms is long enough
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 120), 4);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 144), 5);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 240), 8);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 300), 9);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 20), 1);
    // No refresh to pace by: the clock alone paces.
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 301), 0);
    EXPECT_EQ(RefreshesPerFrame(1000.0 / 19), 0);
    EXPECT_EQ(RefreshesPerFrame(0), 0);
    EXPECT_EQ(RefreshesPerFrame(-16.7), 0);
    EXPECT_EQ(RefreshesPerFrame(0.0 / 0.0), 0);
}

TEST_F(FakeClock, ByTheRefreshAFrameIsDueOnThePassThatCompletesItsRefreshes) {
    PaceByRefresh(1000.0 / 60);
    EXPECT_TRUE(PacedByRefresh());
    fakeTicks = 5000;
    StartClock();
    for (uint32_t passEnd : {16u, 17u}) {  // one refresh later, as the millisecond clock may show it
        fakeTicks = 5000 + passEnd;
        EXPECT_FALSE(FrameDue()) << passEnd;
    }
    for (uint32_t passEnd : {33u, 34u}) {
        fakeTicks = 5000 + passEnd;
        EXPECT_TRUE(FrameDue()) << passEnd;
    }
    // Moved to a 144 Hz screen after the measurement: four of its refreshes are too short.
    fakeTicks = 5000 + 28;
    EXPECT_FALSE(FrameDue());
    // A present that blocked for its refresh: EndPass adds nothing.
    EndPass();
    sleeps.clear();
    fakeTicks += 17;
    EndPass();
    EXPECT_TRUE(sleeps.empty());
    // A present that returned at once: the pass is made to last a refresh.
    EndPass();
    ASSERT_EQ(sleeps.size(), 1u);
    EXPECT_EQ(sleeps[0], 17u);
    PaceByRefresh(0);
    EXPECT_FALSE(PacedByRefresh());
}
