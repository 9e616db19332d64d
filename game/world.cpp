#include "game/world.h"

#include "game/assets.h"
#include "game/enemies.h"

int WorldPosition = 0;
int ViewOffsetY = 64;
int SegmentNumber = 1;
int HeroHealth = 100;
int HeroAmmo = 8;
bool TileSetLoaded[4] = {};
bool BetweenSegments = false;
bool AnimateHero = false;

namespace {

// The group tables that hold world objects: every member and its shot lies in the first entries.
EnemyGroup* const GroupsWithObjects[] = {&Barb,    &Dino,     &Pirate,     &Archer,
                                         &ArmyMan, &FlyDroid, &SkelGround, &SkelShoot};
EnemyGroup* const GroupsWithShots[] = {&Archer, &FlyDroid, &SkelShoot};

}  // namespace

void ShiftEnemyObjectsX(int d)
{
    const float shift = static_cast<float>(d);
    for (EnemyGroup* group : GroupsWithObjects) {
        for (int i = 0; i < ShiftedEntries; ++i) group->objects[i].posX -= shift;
    }
    for (EnemyGroup* group : GroupsWithShots) {
        for (int i = 0; i < ShiftedEntries; ++i) group->shots[i].posX -= shift;
    }
    RDino.object.posX -= shift;
    RDino.projectile.posX -= shift;
    Ninja.object.posX -= shift;
    Ninja.projectile.posX -= shift;
    GroundDroid.object.posX -= shift;
    Devil.object.posX -= shift;
}

void ShiftWorldObjectsX(int d)
{
    HeroShotObject.posX -= static_cast<float>(d);
    ShiftEnemyObjectsX(d);
}

void ShiftWorldObjectsY(int d)
{
    const float shift = static_cast<float>(d);
    for (int i = 0; i < ShiftedEntries; ++i) {
        FlyDroid.objects[i].posY -= shift;
        FlyDroid.shots[i].posY -= shift;
    }
    HeroShotObject.posY -= shift;
}
