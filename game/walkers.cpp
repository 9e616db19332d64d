// Walkers: patrol out and back while the hero is away, stand and strike while he is in contact.
#include "display/display.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

namespace {
constexpr int WalkTicks = 8;
// Frames of the engaged walker: on the hero's left it faces right.
constexpr int ReadyOnLeft = 3;
constexpr int StrikeOnLeft = 7;
constexpr int ReadyOnRight = 0;
constexpr int StrikeOnRight = 6;
}  // namespace

Walker MemberWalker(EnemyGroup& group, int i) {
    return {group.objects[i], group.patrolCount[i], group.contactPos[i], group.nextFrame[i],
            group.frameTicks[i]};
}

Walker BossWalker(BossState& boss) {
    return {boss.object, boss.patrolCount, boss.contactPos, boss.nextFrame, boss.frameTicks};
}

void WalkFrameStep(Walker w, int first, int end) {
    w.frameTicks += 1;
    if (w.frameTicks < WalkTicks) return;
    w.frameTicks = 0;
    w.object.currentFrame = w.nextFrame;
    w.nextFrame += 1;
    if (w.nextFrame == end) w.nextFrame = first;
}

void PatrolStep(Walker w, int halfLength) {
    if (w.nextFrame > 5) w.nextFrame = 0;  // back from a strike frame
    w.patrolCount += 1;
    if (w.patrolCount == halfLength) {
        w.patrolCount = -(halfLength - 1);
        w.nextFrame = 0;
    }
    if (w.patrolCount == 0) {
        w.nextFrame = 3;
        w.patrolCount = 1;
    }
    if (w.patrolCount > 0) {
        w.object.posX += 1;
        w.contactPos += 1;
        WalkFrameStep(w, WalkRightFirst, WalkRightEnd);
    } else {
        w.object.posX -= 1;
        w.contactPos -= 1;
        WalkFrameStep(w, WalkLeftFirst, WalkLeftEnd);
    }
}

void EngagedStrike(Walker w, int period, bool onHeroLeft) {
    const int ready = onHeroLeft ? ReadyOnLeft : ReadyOnRight;
    const int strike = onHeroLeft ? StrikeOnLeft : StrikeOnRight;
    w.frameTicks += 1;
    if (w.frameTicks < period) return;
    w.frameTicks = 0;
    w.object.currentFrame = w.nextFrame;
    if (w.nextFrame == ready) {
        w.nextFrame = strike;
        ContactHit();
    } else {
        w.nextFrame = ready;
    }
}

void UpdateWalkers(EnemyGroup& group, int count, int shotWindow, int strikePeriod,
                   const WalkerPlace* places) {
    for (int i = 0; i < count; ++i) {
        if (ShotInFlight) HeroShotHits(group, i, shotWindow, ShotEffect::ParkAndDeflect);
        const Walker w = MemberWalker(group, i);
        if (!group.engaged[i]) {
            PatrolStep(w, places[i].halfLength);
            continue;
        }
        // An engaged walker does not move; a punch parks it, and from the hero's right it may
        // still strike in the same frame.
        const bool onLeft = StandsOnHeroLeft(group.contactPos[i]);
        BlockBySide(onLeft);
        if (PunchActive) {
            ParkEnemy(group.objects[i], group.contactPos[i]);
            if (onLeft) continue;
        }
        EngagedStrike(w, strikePeriod, onLeft);
    }
    RefreshEngagement(group, count);
    for (int i = 0; i < count; ++i) {
        group.objects[i].posY = static_cast<float>(places[i].yBase - ViewOffsetY);
        group.floorOffset[i] = places[i].floorOffset;
    }
    for (int i = 0; i < count; ++i) DrawBlitterObject(&group.objects[i], TheDisplay.backSurface);
}
