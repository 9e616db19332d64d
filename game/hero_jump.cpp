// The hero's jump: 25 frames up and 25 down, 5 pixels a frame, and the landing on a ledge one
// row higher that the ground step has noticed.
#include "game/assets.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

constexpr int JumpStep = 5;
constexpr int JumpStart = 25;
constexpr int JumpEnd = -24;

void SelectSlot(int slot)
{
    if (HeroObject.currentAnim != slot) SetBlitterAnimation(&HeroObject, slot);
}

void EndJump()
{
    HeroJumping = false;
    JumpCounter = JumpStart;
    AnimateHero = true;
    if (HeroObject.currentAnim == AnimJumpRight) {
        SelectSlot(AnimWalkRight);
        HeroObject.currentFrame = 0;
    } else if (HeroObject.currentAnim == AnimJumpLeft) {
        SelectSlot(AnimWalkLeft);
        HeroObject.currentFrame = 4;
    }
}

void LandOnLedge()
{
    ViewOffsetY -= 64;
    HeroObject.posY = 248;
    HeroJumping = false;
    JumpCounter = JumpStart;
    JumpOffset = 0;
    LedgeContact = 0;
    // The landing puts the hero at his standing height: a settling still under way would carry
    // him below it.
    StepDownActive = false;
    StepDownFrames = 0;
    ShiftWorldObjectsY(-64);
}

}  // namespace

void HeroJumpStep()
{
    if (!HeroJumping) return;
    if (JumpCounter > 0) {
        HeroObject.posY -= JumpStep;
        JumpOffset -= JumpStep;
        --JumpCounter;
    } else {
        HeroObject.posY += JumpStep;
        JumpOffset += JumpStep;
        --JumpCounter;
        if (JumpCounter < JumpEnd) EndJump();
    }
    if (LedgeContact > 1000) {
        if (ViewOffsetY >= 64) {
            LandOnLedge();
        } else {
            // At the top of the map the hero's own ground reads as a ledge: there is nothing
            // above to land on.
            LedgeContact = 0;
        }
    }
}
