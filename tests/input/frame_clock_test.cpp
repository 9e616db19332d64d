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
    void SetUp() override { SetClockSource(FakeTicks, FakeSleep); }
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
