#pragma once
// A world placed at its start, with the hero standing still and nothing in flight.
#include <gtest/gtest.h>

#include "game/assets.h"
#include "game/enemies.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

class EnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        WorldPosition = 0;
        ViewOffsetY = 64;
        HeroHealth = 100;
        JumpOffset = 0;
        ShotInFlight = false;
        PunchActive = false;
        BossPunched = false;
        PlaceAllEnemies();
    }

    // Moves the view and places the world anew, so that every posX is world x - WorldPosition.
    static void MoveViewTo(int worldPosition) {
        WorldPosition = worldPosition;
        PlaceAllEnemies();
    }

    // Puts the hero so that an enemy at contactPos lies `distance` into his contact window.
    static void StandAt(int contactPos, int distance) { MoveViewTo(contactPos - distance); }

    // Puts the hero's shot so that it lies k short of contactPos, in WorldPosition units.
    static void ShotShortBy(int contactPos, int k) {
        ShotInFlight = true;
        HeroShotTravel = 100;
        HeroShotObject.posX = static_cast<float>(contactPos + 280 - WorldPosition - k);
    }

    static float WorldX(const BlitterObject& object) { return object.posX + static_cast<float>(WorldPosition); }
};
