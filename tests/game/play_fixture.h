#pragma once
// Gameplay tests run the real start-up and main-loop passes through the simulator.
#include <gtest/gtest.h>

#include <vector>

#include "game/assets.h"
#include "game/enemies.h"
#include "game/game_state.h"
#include "game/hero.h"
#include "game/level_map.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "tools/sim/simulator.h"

class Play : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StartSimulator()) << SimulatorError(); }

    // One title frame with the segment key, then play.
    void Start(int key = DIK_F1)
    {
        RunPasses(1, {key});
        ASSERT_EQ(GameState, GameStatePlay);
    }

    void Frames(int count, const std::vector<int>& keys = {}) { RunPasses(count, keys); }

    // Puts the view at a world position as walking there would (every world object shifted),
    // with the hero on the ground of his feet column, facing right.
    static void MoveTo(int worldPosition)
    {
        ShiftWorldObjectsX(worldPosition - WorldPosition);
        WorldPosition = worldPosition;
        const int feetColumn = (worldPosition - 5) / TileSize + HeroScreenColumn;
        // The ground he stands on has open space above it (a ceiling is ground too).
        int ground = 1;
        while (ground < LevelRows - 1 &&
               !(IsGroundDigit(MapCell(ground, feetColumn)) && !IsWallDigit(MapCell(ground - 1, feetColumn)))) {
            ++ground;
        }
        const int view = (ground - 5) * TileSize;
        ShiftWorldObjectsY(view - ViewOffsetY);
        ViewOffsetY = view;
    }

    // Keeps every boss and group member out of the hero's reach.
    static void ClearEnemies()
    {
        for (EnemyGroup* group : {&Barb, &Dino, &Pirate, &Archer, &ArmyMan, &FlyDroid, &SkelGround, &SkelShoot}) {
            for (int i = 0; i < GroupCapacity; ++i) group->contactPos[i] -= 100000;
        }
        for (BossState* boss : {&RDino, &Ninja, &GroundDroid, &Devil}) boss->contactPos -= 100000;
    }
};
