// The enemies inside the whole game, driven through the headless simulator.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/enemies.h"
#include "game/world.h"
#include "tools/sim/simulator.h"

namespace {

std::string Dump() {
    std::ostringstream out;
    DumpGameState(out);
    return out.str();
}

TEST(EnemiesInPlay, StartingAtSegment3ShiftsEveryEnemyWithTheView) {
    ASSERT_TRUE(StartSimulator()) << SimulatorError();
    ASSERT_TRUE(RunPasses(1, {KeyCodeNamed("F3")}));
    const std::string dump = Dump();
    EXPECT_NE(dump.find("\nBarb[0].posX=-14764.0\n"), std::string::npos);
    EXPECT_NE(dump.find("\nArmyMan[0].contactPos=15730\n"), std::string::npos);
    EXPECT_NE(dump.find("\nNinjaThrowsLeft=1\n"), std::string::npos);
}

TEST(EnemiesInPlay, PunchingTheRDinoDownOpensSegment2) {
    ASSERT_TRUE(StartSimulator()) << SimulatorError();
    ASSERT_TRUE(RunPasses(1, {KeyCodeNamed("F1")}));
    // Stand in front of the RDino, on its floor, with one punch left in it.
    const int d = 6420 - WorldPosition;
    WorldPosition += d;
    ShiftWorldObjectsX(d);
    ViewOffsetY += 192;
    ShiftWorldObjectsY(192);
    RDino.hitPoints = 10;
    ASSERT_TRUE(RunPasses(2));
    ASSERT_EQ(RDino.engaged, 1);
    ASSERT_TRUE(RunPasses(3, {KeyCodeNamed("RALT")}));
    EXPECT_LE(RDino.hitPoints, 0);
    EXPECT_EQ(RDino.contactPos, 6450 - ParkDistance);
    ASSERT_TRUE(RunPasses(1));  // the punch key released
    ASSERT_TRUE(RunPasses(60, {KeyCodeNamed("RIGHT")}));
    EXPECT_EQ(SegmentNumber, 2);
}

TEST(EnemiesInPlay, TheDumpShowsEachBossPicture) {
    ASSERT_TRUE(StartSimulator()) << SimulatorError();
    ASSERT_TRUE(RunPasses(1, {KeyCodeNamed("F1")}));
    BossState* bosses[] = {&RDino, &Ninja, &GroundDroid, &Devil};
    const char* names[] = {"RDino", "Ninja", "GroundDroid", "Devil"};
    for (int i = 0; i < 4; ++i) {
        bosses[i]->object.currentFrame = 10 + i;
        bosses[i]->nextFrame = 20 + i;
    }
    const std::string dump = Dump();
    for (int i = 0; i < 4; ++i) {
        const std::string at = std::string("\n") + names[i] + ".";
        EXPECT_NE(dump.find(at + "currentFrame=" + std::to_string(10 + i) + "\n"), std::string::npos) << names[i];
        EXPECT_NE(dump.find(at + "nextFrame=" + std::to_string(20 + i) + "\n"), std::string::npos) << names[i];
    }
    EXPECT_NE(dump.find("\nRDino.strikeFrame="), std::string::npos);
}

}  // namespace
