// The level keeps its layout rules, cell by cell: its shape, the fixed columns and gates, a path
// that can be walked, stepped down and jumped from each segment's start to its end, and ground
// under every enemy.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game/level_map.h"

namespace {

// The ground surface of a column: the highest ground cell with open space above it.
std::optional<int> Surface(int column)
{
    for (int row = 1; row < LevelRows; ++row) {
        if (IsGroundDigit(MapCell(row, column)) && !IsWallDigit(MapCell(row - 1, column))) return row;
    }
    return std::nullopt;
}

std::string Column(int column)
{
    std::string digits;
    for (int row = 0; row < LevelRows; ++row) digits += MapCell(row, column);
    return digits;
}

int RowOfYBase(int yBase) { return 5 + (yBase - 247) / 64; }
int ColumnOfX(int worldX) { return (worldX + 47) / 64; }

struct Standing {
    const char* name;
    int worldX;
    int yBase;
    int halfLength;  // walkers' patrol; 0 for those that keep their place
};

// Every enemy that stands on the ground, with the Ninja's two further posts.
const std::vector<Standing> Enemies = {
    {"Barb 0", 500, 375, 250}, {"Barb 1", 535, 375, 220}, {"Barb 2", 2200, 439, 150}, {"Barb 3", 2450, 375, 125},
    {"Dino 0", 1130, 503, 300}, {"Dino 1", 1200, 503, 250}, {"Dino 2", 1350, 503, 150}, {"Dino 3", 2900, 503, 125},
    {"Dino 4", 3000, 503, 100}, {"Dino 5", 3080, 503, 125}, {"Dino 6", 3520, 631, 125}, {"Dino 7", 3800, 695, 125},
    {"Dino 8", 4100, 759, 125}, {"Dino 9", 4080, 759, 100}, {"Dino 10", 4280, 759, 100},
    {"Dino 11", 4680, 759, 125}, {"Dino 12", 4700, 759, 100}, {"Dino 13", 5200, 759, 100},
    {"RDino", 6700, 504, 0},
    {"Pirate 0", 8000, 439, 180}, {"Pirate 1", 8364, 375, 300}, {"Pirate 2", 8500, 375, 240},
    {"Pirate 3", 9200, 375, 240}, {"Pirate 4", 9700, 375, 240}, {"Pirate 5", 9800, 375, 200},
    {"Pirate 6", 10590, 375, 100}, {"Pirate 7", 11180, 375, 120}, {"Pirate 8", 11800, 375, 200},
    {"Pirate 9", 11870, 375, 100}, {"Pirate 10", 11890, 375, 180}, {"Pirate 11", 12640, 439, 270},
    {"Pirate 12", 12992, 375, 140}, {"Pirate 13", 12992, 375, 150}, {"Pirate 14", 13566, 375, 200},
    {"Pirate 15", 14000, 375, 150},
    {"Archer 0", 8300, 375, 0}, {"Archer 1", 8600, 375, 0}, {"Archer 2", 8900, 311, 0}, {"Archer 3", 9400, 375, 0},
    {"Archer 4", 10230, 375, 0}, {"Archer 5", 11300, 375, 0}, {"Archer 6", 12330, 375, 0},
    {"Archer 7", 12900, 439, 0}, {"Archer 8", 13380, 311, 0}, {"Archer 9", 14300, 311, 0},
    {"Ninja", 14780, 311, 0}, {"Ninja left post", 14550, 311, 0}, {"Ninja right post", 14880, 311, 0},
    {"ArmyMan 0", 15950, 375, 180}, {"ArmyMan 1", 16550, 503, 180}, {"ArmyMan 2", 16500, 503, 180},
    {"ArmyMan 3", 17486, 695, 180}, {"ArmyMan 4", 17850, 759, 280}, {"ArmyMan 5", 17950, 759, 180},
    {"ArmyMan 6", 18000, 759, 380}, {"ArmyMan 7", 18150, 759, 280}, {"ArmyMan 8", 18414, 695, 140},
    {"ArmyMan 9", 18620, 759, 180}, {"ArmyMan 10", 19075, 759, 180}, {"ArmyMan 11", 19180, 759, 194},
    {"ArmyMan 12", 19436, 695, 180}, {"ArmyMan 13", 19686, 631, 180}, {"ArmyMan 14", 20076, 631, 170},
    {"ArmyMan 15", 20520, 631, 116}, {"ArmyMan 16", 20886, 631, 180}, {"ArmyMan 17", 20900, 631, 220},
    {"ArmyMan 18", 21420, 503, 180},
    {"GroundDroid", 21850, 439, 600},
    {"SkelGround 0", 23500, 439, 180}, {"SkelGround 1", 23760, 375, 180}, {"SkelGround 2", 24030, 311, 164},
    {"SkelGround 3", 24030, 311, 280}, {"SkelGround 4", 24100, 311, 180}, {"SkelGround 5", 24410, 375, 180},
    {"SkelGround 6", 24850, 375, 180}, {"SkelGround 7", 25210, 375, 180}, {"SkelGround 8", 25490, 311, 216},
    {"SkelGround 9", 25630, 311, 100}, {"SkelGround 10", 26200, 375, 240}, {"SkelGround 11", 26350, 375, 200},
    {"SkelGround 12", 26400, 375, 100}, {"SkelGround 13", 26520, 375, 90}, {"SkelGround 14", 26700, 439, 180},
    {"SkelGround 15", 27240, 567, 180}, {"SkelGround 16", 27480, 567, 180}, {"SkelGround 17", 27615, 567, 100},
    {"SkelGround 18", 27870, 631, 180}, {"SkelGround 19", 27980, 631, 110}, {"SkelGround 20", 28325, 631, 180},
    {"SkelGround 21", 28790, 631, 180}, {"SkelGround 22", 28890, 631, 100}, {"SkelGround 23", 29260, 631, 180},
    {"SkelShoot 0", 23670, 439, 0}, {"SkelShoot 1", 23920, 375, 0}, {"SkelShoot 2", 24320, 311, 0},
    {"SkelShoot 3", 24900, 375, 0}, {"SkelShoot 4", 25350, 375, 0}, {"SkelShoot 5", 26250, 375, 0},
    {"SkelShoot 6", 26625, 375, 0}, {"SkelShoot 7", 27750, 567, 0}, {"SkelShoot 8", 28350, 631, 0},
    {"SkelShoot 9", 28670, 567, 0}, {"SkelShoot 10", 29300, 631, 0}, {"SkelShoot 11", 29440, 631, 0},
    {"Devil", 29600, 695, 600},
};

TEST(LevelCheck, HasFifteenRowsOfDigits)
{
    for (int row = 0; row < LevelRows; ++row) {
        const std::string text = LevelMap[row];
        ASSERT_EQ(text.size(), static_cast<size_t>(LevelColumns)) << "row " << row;
        for (int column = 0; column < LevelColumns; ++column) {
            EXPECT_TRUE(text[column] >= '0' && text[column] <= '9') << "row " << row << " column " << column;
        }
    }
    EXPECT_EQ(MapCell(0, LevelColumns), 'x');
    EXPECT_EQ(MapCell(-1, 0), 'x');
    EXPECT_EQ(MapCell(LevelRows, 0), 'x');
}

TEST(LevelCheck, KeepsTheFixedColumnsAndTheStartOfRowSix)
{
    EXPECT_EQ(Column(5), "544554222222222");
    EXPECT_EQ(Column(13), "544554451111111");
    EXPECT_EQ(Column(29), "333333000666666");
    EXPECT_EQ(Column(115), "111111000111111");
    EXPECT_EQ(Column(243), "111000111111111");
    EXPECT_EQ(Column(360), "111110001111111");
    EXPECT_EQ(Column(509), "115551111111111");
    EXPECT_EQ(std::string(LevelMap[6]).substr(0, 20), "22222222454544454500");
}

struct Gate {
    int leftPillar;
    int rightPillar;
    int top;  // first pillar row; the passage is the three rows from top + 2, the ground below it
};
constexpr Gate Gates[] = {{108, 118, 4}, {236, 246, 1}, {354, 363, 3}};

TEST(LevelCheck, GatesArePillarsAroundAWalledPassage)
{
    for (const Gate& gate : Gates) {
        for (int column = gate.leftPillar; column <= gate.rightPillar + 1; ++column) {
            const bool pillar = column <= gate.leftPillar + 1 || column >= gate.rightPillar;
            for (int row = 0; row < LevelRows; ++row) {
                char expected;
                if (row >= gate.top + 5) {
                    expected = '1';
                } else if (pillar) {
                    expected = row >= gate.top ? '9' : '1';
                } else {
                    expected = row >= gate.top + 2 ? '0' : '1';
                }
                EXPECT_EQ(MapCell(row, column), expected) << "row " << row << " column " << column;
            }
        }
    }
}

// The hero's world columns run from the start (5) to the win (509) and on to the map's end.
constexpr int FirstColumn = 5;
constexpr int LastColumn = LevelColumns - 1;

TEST(LevelCheck, PathStepsAndJumpsOneRowAtATime)
{
    std::optional<int> last = Surface(FirstColumn);
    ASSERT_TRUE(last);
    int pitWidth = 0;
    for (int column = FirstColumn + 1; column <= LastColumn; ++column) {
        const std::optional<int> surface = Surface(column);
        if (!surface) {
            ++pitWidth;
            EXPECT_LE(pitWidth, 2) << "pit too wide for a running jump at column " << column;
            continue;
        }
        if (pitWidth > 0) {
            EXPECT_EQ(*surface, *last) << "ground on both sides of the pit ending at column " << column - 1;
        } else {
            EXPECT_LE(*surface - *last, 1) << "a drop of two rows or more at column " << column;
            EXPECT_LE(*last - *surface, 1) << "a ledge too high to jump onto at column " << column;
        }
        pitWidth = 0;
        last = surface;
    }
    EXPECT_EQ(pitWidth, 0);
}

TEST(LevelCheck, ThereIsRoomToStandAndJumpAboveTheGround)
{
    std::optional<int> ground;
    for (int column = FirstColumn; column <= LastColumn; ++column) {
        if (const std::optional<int> surface = Surface(column)) ground = surface;
        ASSERT_TRUE(ground);
        // The view keeps the hero's feet between rows 5 and 13 (offsets 0 to 512).
        EXPECT_GE(*ground, 5) << "column " << column;
        EXPECT_LE(*ground, 13) << "column " << column;
        for (int row = *ground - 3; row < *ground; ++row) {
            EXPECT_FALSE(IsWallDigit(MapCell(row, column))) << "row " << row << " column " << column;
        }
    }
}

TEST(LevelCheck, PitsAreShaftsOfDigitSix)
{
    std::optional<int> ground;
    for (int column = FirstColumn; column <= LastColumn; ++column) {
        const std::optional<int> surface = Surface(column);
        if (surface) {
            ground = surface;
            continue;
        }
        ASSERT_TRUE(ground);
        for (int row = *ground; row < LevelRows; ++row) {
            EXPECT_EQ(MapCell(row, column), '6') << "row " << row << " column " << column;
        }
    }
    // Digit 6 fills pits only.
    for (int column = 0; column < LevelColumns; ++column) {
        if (!Surface(column)) continue;
        for (int row = 0; row < LevelRows; ++row) {
            EXPECT_NE(MapCell(row, column), '6') << "row " << row << " column " << column;
        }
    }
}

TEST(LevelCheck, SegmentsStartOnTheGroundTheirViewShows)
{
    // The view offsets of a fresh world and of the title's segment jumps: 64, 256, 64, 192.
    EXPECT_EQ(Surface(5), 6);
    EXPECT_EQ(Surface(115), 9);
    EXPECT_EQ(Surface(243), 6);
    EXPECT_EQ(Surface(360), 8);
    EXPECT_EQ(Surface(509), 5);
}

TEST(LevelCheck, TheLowerRowsAreMostlySolid)
{
    int solid = 0;
    for (int row = 9; row < LevelRows; ++row) {
        for (int column = 0; column < LevelColumns; ++column) solid += IsGroundDigit(MapCell(row, column)) ? 1 : 0;
    }
    EXPECT_GE(solid * 4, 3 * 6 * LevelColumns);
}

TEST(LevelCheck, EveryEnemyStandsOnTheRowOfItsSprite)
{
    for (const Standing& enemy : Enemies) {
        EXPECT_EQ(Surface(ColumnOfX(enemy.worldX)), RowOfYBase(enemy.yBase)) << enemy.name;
    }
}

TEST(LevelCheck, WalkersPatrolOnLevelGround)
{
    // ArmyMan 8 stands one row higher where ArmyMan 7's patrol ends.
    const std::string exception = "ArmyMan 7";
    for (const Standing& enemy : Enemies) {
        for (int step = 0; step < enemy.halfLength; ++step) {
            const int column = ColumnOfX(enemy.worldX + step);
            if (enemy.name == exception && column == 288) continue;
            EXPECT_EQ(Surface(column), RowOfYBase(enemy.yBase)) << enemy.name << " at column " << column;
        }
    }
}

}  // namespace
