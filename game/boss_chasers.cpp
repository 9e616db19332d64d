// The GroundDroid and the Devil: patrol like walkers until the hero is near on their floor, then
// walk towards him; in contact they strike like walkers.
#include "display/display.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

constexpr int ChaserHalfLength = 600;
constexpr int ChaseRange = 250;
constexpr int StrikePeriod = 6;
constexpr int ChaseRightStartFrame = 4;

// A chase that follows a strike or the other chase would carry nextFrame past the walk frames;
// the patrol's own rule brings it back, so the shown frame stays among the loaded ones.
void KeepWalkFrame(BossState& boss) {
    if (boss.nextFrame > 5) boss.nextFrame = 0;
}

void NotEngagedStep(BossState& boss, int floor) {
    const Walker w = BossWalker(boss);
    const bool onFloor = ViewOffsetY == floor;
    if (onFloor && boss.contactPos - ChaseRange <= WorldPosition && WorldPosition < boss.contactPos) {
        if (boss.chaseLeftPending) {
            boss.nextFrame = 0;
            boss.chaseLeftPending = 0;
        }
        if (boss.patrolCount == 0) return;  // the count only runs up: a chase ends at 0
        KeepWalkFrame(boss);
        boss.patrolCount += 1;
        boss.object.posX -= 1;
        boss.contactPos -= 1;
        WalkFrameStep(w, WalkLeftFirst, WalkLeftEnd);
    } else if (onFloor && WorldPosition >= boss.contactPos) {
        if (boss.chaseRightPending) {
            boss.nextFrame = ChaseRightStartFrame;
            boss.chaseRightPending = 0;
        }
        if (boss.patrolCount <= 0) return;
        KeepWalkFrame(boss);
        boss.patrolCount += 1;
        boss.object.posX += 1;
        boss.contactPos += 1;
        WalkFrameStep(w, WalkRightFirst, WalkRightEnd);
    } else {
        boss.chaseLeftPending = 1;
        boss.chaseRightPending = 1;
        PatrolStep(w, ChaserHalfLength);
    }
}

void EngagedStep(BossState& boss) {
    const bool onLeft = StandsOnHeroLeft(boss.contactPos);
    BlockBySide(onLeft);
    if (PunchActive) {
        PunchBoss(boss);
        if (onLeft) return;
    }
    EngagedStrike(BossWalker(boss), StrikePeriod, onLeft);
}

void UpdateChaser(BossState& boss, const BossPlace& place, bool clearsPunch) {
    if (ShotInFlight) HeroShotHitsChaser(boss);
    if (boss.engaged) {
        EngagedStep(boss);
    } else {
        NotEngagedStep(boss, place.floorOffset);
    }
    if (clearsPunch) PunchActive = false;
    RefreshEngagement(boss);
    boss.object.posY = static_cast<float>(place.yBase - ViewOffsetY);
    boss.floorOffset = place.floorOffset;
    DrawBlitterObject(&boss.object, TheDisplay.backSurface);
}

}  // namespace

void UpdateGroundDroid() {
    UpdateChaser(GroundDroid, GroundDroidPlace, false);
}

// The Devil is the last of the pass: the punch has been seen by every enemy once it is done.
void UpdateDevil() {
    UpdateChaser(Devil, DevilPlace, true);
}
