// Hits: the hero's shot against every kind at the edges of its window, enemy projectiles
// against the hero, and parking.
#include <string>

#include "tests/enemies/enemy_fixture.h"

namespace {

struct Target {
    const char* name;
    int window;
    bool boss;
    int32_t& contactPos;
    int32_t& floorOffset;
};

Target TargetOf(const std::string& name) {
    if (name == "Barb") return {"Barb", 11, false, Barb.contactPos[0], Barb.floorOffset[0]};
    if (name == "Dino") return {"Dino", 11, false, Dino.contactPos[5], Dino.floorOffset[5]};
    if (name == "Pirate") return {"Pirate", 16, false, Pirate.contactPos[3], Pirate.floorOffset[3]};
    if (name == "Archer") return {"Archer", 11, false, Archer.contactPos[1], Archer.floorOffset[1]};
    if (name == "ArmyMan") return {"ArmyMan", 16, false, ArmyMan.contactPos[2], ArmyMan.floorOffset[2]};
    if (name == "FlyDroid") return {"FlyDroid", 11, false, FlyDroid.contactPos[2], FlyDroid.floorOffset[2]};
    if (name == "SkelGround")
        return {"SkelGround", 16, false, SkelGround.contactPos[4], SkelGround.floorOffset[4]};
    if (name == "SkelShoot") return {"SkelShoot", 11, false, SkelShoot.contactPos[6], SkelShoot.floorOffset[6]};
    if (name == "RDino") return {"RDino", 11, true, RDino.contactPos, RDino.floorOffset};
    if (name == "Ninja") return {"Ninja", 11, true, Ninja.contactPos, Ninja.floorOffset};
    if (name == "GroundDroid") return {"GroundDroid", 16, true, GroundDroid.contactPos, GroundDroid.floorOffset};
    return {"Devil", 16, true, Devil.contactPos, Devil.floorOffset};
}

int BossHitPoints(const std::string& name) {
    if (name == "RDino") return RDino.hitPoints;
    if (name == "Ninja") return Ninja.hitPoints;
    if (name == "GroundDroid") return GroundDroid.hitPoints;
    return Devil.hitPoints;
}

class ShotWindow : public EnemyTest, public ::testing::WithParamInterface<const char*> {
protected:
    // Fires a shot lying k short of the target on the target's floor (or one floor off) through
    // one whole pass; true when the target was hit.
    bool HitWhenShortBy(int k, int floorShift = 0) {
        PlaceAllEnemies();
        const Target target = TargetOf(GetParam());
        WorldPosition = target.contactPos - 500;
        ShotInFlight = false;
        RunEnemyPass();  // the members take their floors
        ViewOffsetY = target.floorOffset + floorShift;
        const int32_t contact = target.contactPos;
        ShotShortBy(contact, k);
        RunEnemyPass();
        if (target.boss) return BossHitPoints(GetParam()) == 80;
        return target.contactPos < contact - ParkDistance / 2;  // parked, then took its step
    }
};

TEST_P(ShotWindow, HitsExactlyInsideItsWindowOnItsFloor) {
    const int window = TargetOf(GetParam()).window;
    EXPECT_FALSE(HitWhenShortBy(-1));
    EXPECT_TRUE(HitWhenShortBy(0));
    EXPECT_TRUE(HitWhenShortBy(window - 1));
    EXPECT_FALSE(HitWhenShortBy(window));
    EXPECT_FALSE(HitWhenShortBy(0, 64)) << "a shot on another floor passes";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ShotWindow,
                         ::testing::Values("Barb", "Dino", "Pirate", "Archer", "ArmyMan", "FlyDroid",
                                           "SkelGround", "SkelShoot", "RDino", "Ninja", "GroundDroid",
                                           "Devil"));

using ShotEffects = EnemyTest;

TEST_F(ShotEffects, GroupMemberIsParkedAndTheShotMovedAway) {
    Dino.floorOffset[5] = 256;
    ViewOffsetY = 256;
    ShotShortBy(Dino.contactPos[5], 3);
    const float shot = HeroShotObject.posX;
    HeroShotHits(Dino, 5, 11, ShotEffect::ParkAndDeflect);
    EXPECT_EQ(Dino.contactPos[5], 2860 - ParkDistance);
    EXPECT_EQ(Dino.objects[5].posX, 3080.0f - ParkDistance);
    EXPECT_EQ(HeroShotObject.posX, shot + 450.0f);
    EXPECT_EQ(HeroShotTravel, 440);
}

TEST_F(ShotEffects, ArcherLeavesTheShotWhereItIs) {
    Archer.floorOffset[1] = 128;
    ViewOffsetY = 128;
    ShotShortBy(Archer.contactPos[1], 3);
    const float shot = HeroShotObject.posX;
    HeroShotHits(Archer, 1, 11, ShotEffect::ParkOnly);
    EXPECT_EQ(Archer.contactPos[1], 8380 - ParkDistance);
    EXPECT_EQ(HeroShotObject.posX, shot);
    EXPECT_EQ(HeroShotTravel, 440);
}

TEST_F(ShotEffects, RDinoMovesTheShotButLetsItFlyOn) {
    RDino.floorOffset = 256;
    ViewOffsetY = 256;
    ShotShortBy(RDino.contactPos, 0);
    const float shot = HeroShotObject.posX;
    HeroShotHitsRDino();
    EXPECT_EQ(RDino.hitPoints, 80);
    EXPECT_EQ(HeroShotObject.posX, shot + 450.0f);
    EXPECT_EQ(HeroShotTravel, 100);
}

TEST_F(ShotEffects, FifthShotDefeatsTheRDinoAndParksItsProjectile) {
    RDino.floorOffset = 256;
    ViewOffsetY = 256;
    RDino.hitPoints = 20;
    const float projectile = RDino.projectile.posX;
    ShotShortBy(RDino.contactPos, 0);
    HeroShotHitsRDino();
    EXPECT_EQ(RDino.hitPoints, 0);
    EXPECT_EQ(RDino.contactPos, 6450 - ParkDistance);
    EXPECT_EQ(RDino.projectile.posX, projectile + ParkDistance);
}

TEST_F(ShotEffects, NinjaEndsTheShotWithoutMovingIt) {
    Ninja.floorOffset = 64;
    Ninja.hitPoints = 10;
    ShotShortBy(Ninja.contactPos, 5);
    const float shot = HeroShotObject.posX;
    HeroShotHitsNinja();
    EXPECT_EQ(Ninja.hitPoints, -10);
    EXPECT_EQ(Ninja.contactPos, 14560 - ParkDistance);
    EXPECT_EQ(HeroShotObject.posX, shot);
    EXPECT_EQ(HeroShotTravel, 440);
}

TEST_F(ShotEffects, ChaserTakes20AndTheShotEnds) {
    Devil.floorOffset = 448;
    ViewOffsetY = 448;
    ShotShortBy(Devil.contactPos, 15);
    const float shot = HeroShotObject.posX;
    HeroShotHitsChaser(Devil);
    EXPECT_EQ(Devil.hitPoints, 80);
    EXPECT_EQ(HeroShotObject.posX, shot + 450.0f);
    EXPECT_EQ(HeroShotTravel, 440);
}

using EnemyProjectiles = EnemyTest;

TEST_F(EnemyProjectiles, ArrowReaches40PositionsBeyondItsTravel) {
    Archer.floorOffset[0] = 128;
    ViewOffsetY = 128;
    Archer.shotTravel[0] = 100;
    WorldPosition = 8080 - 100 - 40;
    EXPECT_FALSE(ProjectileHitsHero(Archer, 0, 39));
    WorldPosition = 8080 - 99;
    EXPECT_FALSE(ProjectileHitsHero(Archer, 0, 39));
    EXPECT_EQ(HeroHealth, 100);
    WorldPosition = 8080 - 100 - 39;
    const float arrow = Archer.shots[0].posX;
    EXPECT_TRUE(ProjectileHitsHero(Archer, 0, 39));
    EXPECT_EQ(HeroHealth, 90);
    EXPECT_EQ(Archer.shotTravel[0], 200);
    EXPECT_EQ(Archer.shots[0].posX, arrow - 500.0f);
    WorldPosition = 8080 - 100;
    EXPECT_FALSE(ProjectileHitsHero(Archer, 0, 39)) << "the hit carried it past the hero";
}

TEST_F(EnemyProjectiles, AJumpingHeroIsHitOnlyOneFloorBelowTheProjectile) {
    FlyDroid.floorOffset[0] = 128;
    WorldPosition = FlyDroid.contactPos[0];
    JumpOffset = 12;
    ViewOffsetY = 128;
    EXPECT_FALSE(ProjectileHitsHero(FlyDroid, 0, 39)) << "jumped over";
    ViewOffsetY = 192;
    EXPECT_TRUE(ProjectileHitsHero(FlyDroid, 0, 39));
}

TEST_F(EnemyProjectiles, SkelShootReaches41PositionsAndAHitFlipsItsSpeed) {
    // After this frame's move of 8 the travel is 108; position 40 is 23450 - 148.
    SkelShoot.floorOffset[0] = 192;
    ViewOffsetY = 192;
    SkelShoot.shotTravel[0] = 100;
    WorldPosition = 23450 - 148;
    UpdateShooters(ShooterKind::SkelShoot);
    EXPECT_EQ(HeroHealth, 90);
    EXPECT_EQ(SkelShoot.shotTravel[0], 208);
    EXPECT_EQ(SkelShoot.shotSlow[0], 1);
}

TEST_F(EnemyProjectiles, RDinoProjectileCannotBeJumpedButMissesOtherFloors) {
    RDino.shotTravel = 100;
    WorldPosition = 6450 - 120;
    ViewOffsetY = 320;
    EXPECT_FALSE(RDinoProjectileHitsHero());
    JumpOffset = 30;
    EXPECT_TRUE(RDinoProjectileHitsHero());
    JumpOffset = 0;
    ViewOffsetY = 256;
    RDino.shotTravel = 100;
    EXPECT_TRUE(RDinoProjectileHitsHero());
    EXPECT_EQ(HeroHealth, 80);
}

TEST_F(EnemyProjectiles, NinjaThrowsFrom64LeftOfItsContactInBothDirections) {
    Ninja.floorOffset = 64;
    Ninja.shotTravel = 200;
    WorldPosition = 14560 - 64 - 200 - 39;
    EXPECT_FALSE(NinjaProjectileHitsHero(38, true));
    const float left = Ninja.projectile.posX;
    EXPECT_TRUE(NinjaProjectileHitsHero(39, true));
    EXPECT_EQ(Ninja.projectile.posX, left - 500.0f);
    EXPECT_EQ(Ninja.shotTravel, 300);

    WorldPosition = 14560 - 64 + 300 - 20;
    const float right = Ninja.projectile.posX;
    EXPECT_TRUE(NinjaProjectileHitsHero(20, false));
    EXPECT_EQ(Ninja.projectile.posX, right - 1000.0f) << "standing";
    WorldPosition = 14560 - 64 + 400;
    JumpOffset = 8;
    ViewOffsetY = 128;
    EXPECT_TRUE(NinjaProjectileHitsHero(0, false));
    EXPECT_EQ(Ninja.projectile.posX, right) << "jumping: pushed the other way";
    EXPECT_EQ(HeroHealth, 70);
}

TEST(Parking, MovesTheEnemyAndItsContactTogether) {
    BlitterObject object;
    object.posX = 120.0f;
    int32_t contact = 5000;
    ParkEnemy(object, contact);
    EXPECT_EQ(object.posX, 120.0f - 10000.0f);
    EXPECT_EQ(contact, -5000);
}

}  // namespace
