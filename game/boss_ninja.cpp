// The Ninja: throws from one post, moves to the other after each throw, strikes in contact.
#include "display/display.h"
#include "game/enemy_steps.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

constexpr int ThrowRange = 600;
constexpr int LeftThrowSpeed = 5;
constexpr int RightThrowSpeed = 7;
constexpr int LoosingTravel = 40;
constexpr int StrikePeriod = 10;
constexpr float EngagedShift = 500.0f;  // keeps the projectile out of the way in contact

// Frames: at the right post it faces left (stand 0, throw 1), at the left post right (2, 3).
struct Post {
    int standFrame;
    int throwFrame;
    int speed;        // signed: the throw's direction
    int shotYBase;
    int nextPostX;    // the post it moves to after the throw
    int nextPostContact;
};

constexpr Post RightPost = {0, 1, -LeftThrowSpeed, NinjaShotYBaseLeft, NinjaLeftPostX, NinjaLeftPostContact};
constexpr Post LeftPost = {2, 3, RightThrowSpeed, NinjaShotYBaseRight, NinjaRightPostX, NinjaRightPostContact};

void MoveToPost(bool throwsLeft, int worldX, int contactPos) {
    NinjaThrowsLeft = throwsLeft ? 1 : 0;
    Ninja.object.posX = static_cast<float>(worldX - WorldPosition);
    Ninja.contactPos = contactPos;
    Ninja.projectile.posX = static_cast<float>(worldX - WorldPosition);
}

void ThrowStep() {
    const bool throwsLeft = NinjaThrowsLeft != 0;
    const Post& post = throwsLeft ? RightPost : LeftPost;
    Ninja.object.currentFrame = post.standFrame;
    Ninja.nextFrame = post.standFrame;
    if (Ninja.shotTravel >= ThrowRange) {
        Ninja.shotTravel = 0;
        Ninja.projectile.posX = Ninja.object.posX;
    } else {
        if (Ninja.shotTravel < LoosingTravel) {
            Ninja.object.currentFrame = post.throwFrame;
            Ninja.nextFrame = post.throwFrame;
        }
        Ninja.projectile.posX += static_cast<float>(post.speed);
        Ninja.shotTravel += post.speed < 0 ? -post.speed : post.speed;
        Ninja.projectile.posY = static_cast<float>(post.shotYBase - ViewOffsetY);
        DrawBlitterObject(&Ninja.projectile, TheDisplay.backSurface);
    }
    // The post changes in the position loop, so a throw of 600 moves the Ninja in the same frame;
    // a hit ends the loop.
    for (int j = 0; j < 40; ++j) {
        if (NinjaProjectileHitsHero(j, throwsLeft)) break;
        if (Ninja.shotTravel >= ThrowRange) MoveToPost(!throwsLeft, post.nextPostX, post.nextPostContact);
    }
}

void EngagedStep() {
    const bool onHeroRight = Ninja.contactPos > WorldPosition + 25;
    BlockBySide(!onHeroRight);
    Ninja.projectile.posX += EngagedShift;
    if (PunchActive) {
        if (!onHeroRight) Ninja.projectile.posX += static_cast<float>(ParkDistance);
        PunchBoss(Ninja);
        BossPunched = true;
        return;
    }
    const int ready = onHeroRight ? 0 : 2;
    Ninja.frameTicks += 1;
    if (Ninja.frameTicks < StrikePeriod) return;
    Ninja.frameTicks = 0;
    Ninja.object.currentFrame = Ninja.nextFrame;
    if (Ninja.nextFrame == ready) {
        Ninja.nextFrame = ready + 1;
        ContactHit();
    } else {
        Ninja.nextFrame = ready;
    }
}

}  // namespace

void UpdateNinja() {
    if (ShotInFlight) HeroShotHitsNinja();
    if (Ninja.engaged) {
        EngagedStep();
    } else if (Ninja.hitPoints != 0) {  // a Ninja at exactly 0 stands idle; below 0 it throws on
        ThrowStep();
    }
    RefreshEngagement(Ninja);
    Ninja.object.posY = static_cast<float>(NinjaPlace.yBase - ViewOffsetY);
    Ninja.floorOffset = NinjaPlace.floorOffset;
    DrawBlitterObject(&Ninja.object, TheDisplay.backSurface);
}
