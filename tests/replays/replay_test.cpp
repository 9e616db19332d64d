// The bot's winning runs from F1, F2, F3 and F4: each reaches the win screen, entering the
// segments in order, and beats every boss on its way.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "game/enemies.h"
#include "game/game_state.h"
#include "game/world.h"
#include "tools/sim/script.h"
#include "tools/sim/simulator.h"

namespace {

struct Replay {
    const char* start;
    int firstSegment;
};

class WinningRun : public ::testing::TestWithParam<Replay> {};

TEST_P(WinningRun, ReachesTheWinScreenThroughEverySegment)
{
    const Replay replay = GetParam();
    const std::string file = std::string(QUORAX_REPLAY_DIR) + "/win_from_" + replay.start + ".script";
    std::ifstream in(file);
    ASSERT_TRUE(in) << file;
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript(in, &steps, &error)) << error;
    ASSERT_TRUE(StartSimulator()) << SimulatorError();

    const BossState* bosses[] = {&RDino, &Ninja, &GroundDroid, &Devil};
    std::vector<int> segments;
    int lowestHealth = 1000;
    for (const ScriptStep& step : steps) {
        for (int i = 0; i < step.count && GameState != GameStateWin; ++i) {
            ASSERT_TRUE(RunPasses(1, step.keyCodes));
            ASSERT_NE(GameState, GameStateDeath) << "the hero died in segment " << SegmentNumber;
            if (GameState != GameStatePlay) continue;
            if (segments.empty() || segments.back() != SegmentNumber) {
                if (!segments.empty()) {
                    // Leaving a segment: its boss is beaten.
                    EXPECT_LE(bosses[segments.back() - 1]->hitPoints, 0) << "segment " << segments.back();
                }
                segments.push_back(SegmentNumber);
            }
            lowestHealth = std::min(lowestHealth, HeroHealth);
        }
    }
    EXPECT_EQ(GameState, GameStateWin);
    EXPECT_GE(WorldPosition, WinPosition);
    std::vector<int> expected;
    for (int s = replay.firstSegment; s <= 5; ++s) expected.push_back(s);
    EXPECT_EQ(segments, expected);
    EXPECT_GT(lowestHealth, 0);
}

INSTANTIATE_TEST_SUITE_P(Bot, WinningRun,
                         ::testing::Values(Replay{"F1", 1}, Replay{"F2", 2}, Replay{"F3", 3}, Replay{"F4", 4}),
                         [](const auto& info) { return std::string("From") + info.param.start; });

}  // namespace
