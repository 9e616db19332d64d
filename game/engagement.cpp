// The contact window that decides when an enemy fights the hero, and the side it fights from.
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

namespace {
// The hero's contact point lies 25 to the right of WorldPosition in contactPos units.
constexpr int SideSplit = 25;
}

bool InContactWindow(int32_t contactPos) {
    const int32_t distance = contactPos - WorldPosition;
    return distance >= 0 && distance <= ContactWindow;
}

bool StandsOnHeroLeft(int32_t contactPos) {
    return contactPos < WorldPosition + SideSplit;
}

// Not or-ed: the last engaged enemy of the pass decides both flags.
void BlockBySide(bool onHeroLeft) {
    BlockWalkLeft = onHeroLeft;
    BlockWalkRight = !onHeroLeft;
}

void RefreshEngagement(EnemyGroup& group, int count) {
    for (int i = 0; i < count; ++i) group.engaged[i] = InContactWindow(group.contactPos[i]) ? 1 : 0;
}

void RefreshEngagement(BossState& boss) {
    boss.engaged = InContactWindow(boss.contactPos) ? 1 : 0;
}
