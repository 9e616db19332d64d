// The hero's keys: exactly one of eleven cases runs per frame, the first whose keys are down.
#include "game/assets.h"
#include "game/hero.h"
#include "game/segments.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "sound/sound.h"

namespace {

constexpr int WalkStep = 4;
constexpr int PoseRight[4] = {3, 3, 3, 3};
constexpr int PoseLeft[4] = {7, 7, 7, 7};

bool Down(int key) { return KeyState[key] != 0; }

// Selecting the slot on show leaves its list running.
void SelectSlot(int slot)
{
    if (HeroObject.currentAnim != slot) SetBlitterAnimation(&HeroObject, slot);
}

void WalkRight()
{
    if (!ActionPose && !WallAhead) {
        const int limit = SegmentRightLimit(SegmentNumber);
        WorldPosition += WalkStep;
        if (WorldPosition >= limit) {
            WorldPosition = limit - 1;
        } else {
            ShiftWorldObjectsX(WalkStep);
        }
        AnimateHero = true;
    }
    SelectSlot(HeroJumping ? AnimJumpRight : AnimWalkRight);
}

void WalkLeft()
{
    if (!ActionPose && !WallAhead) {
        const int limit = SegmentLeftLimit(SegmentNumber);
        if (WorldPosition - WalkStep >= limit) {
            WorldPosition -= WalkStep;
            ShiftWorldObjectsX(-WalkStep);
            AnimateHero = true;
        } else if (WorldPosition >= limit) {
            WorldPosition = limit;
            AnimateHero = true;
        }
        // Otherwise the hero stands just past the end of the segment he has left, behind the new
        // segment's left limit: moving onto that limit would skip ground without moving the world.
    }
    SelectSlot(HeroJumping ? AnimJumpLeft : AnimWalkLeft);
}

void StartJump(int slot)
{
    HeroJumping = true;
    AnimateHero = true;
    SelectSlot(slot);
    ActionPose = false;
}

void PlayActionSound(int sound)
{
    if (!ActionSoundPlayed) {
        PlaySoundSlot(sound, 0);
        ActionSoundPlayed = true;
    }
}

void Punch()
{
    if (HeroJumping) return;
    AnimateHero = true;
    if (HeroObject.currentAnim == AnimWalkRight) {
        LoadBlitterAnimation(&HeroObject, AnimWalkRight, 4, PoseRight);
    } else if (HeroObject.currentAnim == AnimWalkLeft) {
        LoadBlitterAnimation(&HeroObject, AnimWalkLeft, 4, PoseLeft);
    }
    ActionPose = true;
    if (!BossPunched) PunchActive = true;
    PlayActionSound(PunchSound);
}

// A new shot needs the fire key released after the last one: the pose and the flight end together.
void Fire()
{
    if (HeroAmmo <= 0 || ActionPose != ShotInFlight) return;
    AnimateHero = true;
    const int slot = HeroObject.currentAnim;
    if (slot != AnimWalkRight && slot != AnimWalkLeft) return;
    LoadBlitterAnimation(&HeroObject, slot, 4, slot == AnimWalkRight ? PoseRight : PoseLeft);
    ActionPose = true;
    ShotInFlight = true;
    PlayActionSound(FireSound);
}

void ReleaseKeys()
{
    BossPunched = false;
    ActionSoundPlayed = false;
    if (!ActionPose) return;
    AnimateHero = true;
    if (HeroObject.currentAnim == AnimWalkRight) {
        LoadBlitterAnimation(&HeroObject, AnimWalkRight, 4, HeroAnimTable[AnimWalkRight]);
        HeroObject.currentFrame = HeroAnimTable[AnimWalkRight][0];
    } else if (HeroObject.currentAnim == AnimWalkLeft) {
        LoadBlitterAnimation(&HeroObject, AnimWalkLeft, 4, HeroAnimTable[AnimWalkLeft]);
        HeroObject.currentFrame = HeroAnimTable[AnimWalkLeft][0];
    }
    ActionPose = false;
}

}  // namespace

void HeroInputStep()
{
    const bool right = Down(DIK_RIGHT);
    const bool left = Down(DIK_LEFT);
    const bool up = Down(DIK_UP);
    const bool down = Down(DIK_DOWN);
    const bool punch = Down(DIK_RMENU);
    const bool fire = Down(DIK_SPACE);
    const bool shotFlying = ShotFlyingLeft || ShotFlyingRight;

    if (right && up) {
        if (!shotFlying) StartJump(AnimJumpRight);
    } else if (left && up) {
        if (!shotFlying) StartJump(AnimJumpLeft);
    } else if (left && down) {
        AnimateHero = true;
        SelectSlot(AnimDownLeft);
    } else if (right && down) {
        AnimateHero = true;
        SelectSlot(AnimDownRight);
    } else if (right && !fire && !punch) {
        if ((!BlockWalkRight || HeroJumping) && !ShotFlyingLeft) WalkRight();
    } else if (left && !fire && !punch) {
        if (!BetweenSegments && (!BlockWalkLeft || HeroJumping) && !ShotFlyingRight) WalkLeft();
    } else if (up) {
        if (!shotFlying) {
            AnimateHero = true;
            if (HeroObject.currentAnim == AnimWalkRight) {
                SelectSlot(AnimJumpRight);
                HeroJumping = true;
            } else if (HeroObject.currentAnim == AnimWalkLeft) {
                SelectSlot(AnimJumpLeft);
                HeroJumping = true;
            }
        }
    } else if (down) {
        AnimateHero = true;
        if (HeroObject.currentAnim == AnimWalkRight) {
            SelectSlot(AnimDownRight);
        } else if (HeroObject.currentAnim == AnimWalkLeft) {
            SelectSlot(AnimDownLeft);
        }
    } else if (punch) {
        Punch();
    } else if (fire) {
        Fire();
    } else {
        ReleaseKeys();
    }
}
