// The enemy pass: every group and boss, once per play frame, in the order that decides which
// engaged enemy sets the hero's block flags last.
#include "game/enemy_steps.h"
#include "game/hero.h"

void RunEnemyPass() {
    BlockWalkLeft = false;
    BlockWalkRight = false;
    UpdateWalkers(Barb, BarbCount, 11, 8, BarbPlaces);
    UpdateWalkers(Dino, DinoCount, 11, 6, DinoPlaces);
    UpdateRDino();
    UpdateWalkers(Pirate, PirateCount, 16, 6, PiratePlaces);
    UpdateShooters(ShooterKind::Archer);
    UpdateNinja();
    UpdateWalkers(ArmyMan, ArmyManCount, 16, 6, ArmyManPlaces);
    UpdateFlyDroids();
    UpdateGroundDroid();
    UpdateWalkers(SkelGround, SkelGroundCount, 16, 6, SkelGroundPlaces);
    UpdateShooters(ShooterKind::SkelShoot);
    UpdateDevil();  // clears PunchActive once every enemy has seen it
}
