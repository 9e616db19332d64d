#include "tools/bot/snapshot.h"

#include <cstring>

#include "app/screens.h"
#include "game/assets.h"
#include "game/enemies.h"
#include "game/game_state.h"
#include "game/hero.h"
#include "game/world.h"

namespace {

// The parts of a sprite record that play changes.
struct SpriteState {
    float posX, posY;
    int currentFrame, currentAnim, animTicks, animStep, animTicksMax, animDone;
};

SpriteState Take(const BlitterObject& o)
{
    return {o.posX, o.posY, o.currentFrame, o.currentAnim, o.animTicks, o.animStep, o.animTicksMax, o.animDone};
}

void Put(BlitterObject& o, const SpriteState& s)
{
    o.posX = s.posX;
    o.posY = s.posY;
    o.currentFrame = s.currentFrame;
    o.currentAnim = s.currentAnim;
    o.animTicks = s.animTicks;
    o.animStep = s.animStep;
    o.animTicksMax = s.animTicksMax;
    o.animDone = s.animDone;
}

struct GroupState {
    SpriteState objects[ShiftedEntries];
    SpriteState shots[ShiftedEntries];
    int32_t patrolCount[ShiftedEntries], contactPos[ShiftedEntries], floorOffset[ShiftedEntries];
    int32_t nextFrame[ShiftedEntries], frameTicks[ShiftedEntries], shotSlow[ShiftedEntries];
    int32_t bobSteps[ShiftedEntries];
    uint8_t engaged[ShiftedEntries], shotActive[ShiftedEntries], bobDown[ShiftedEntries];
};

struct BossSnapshot {
    SpriteState object, projectile;
    int32_t shotTravel, patrolCount, contactPos, floorOffset, hitPoints, nextFrame, strikeFrame, frameTicks;
    uint8_t engaged, chaseLeftPending, chaseRightPending;
};

template <typename T, size_t N>
void CopyArray(T (&to)[N], const T* from)
{
    std::memcpy(to, from, sizeof(T) * N);
}

GroupState TakeGroup(const EnemyGroup& g)
{
    GroupState s{};
    for (int i = 0; i < ShiftedEntries; ++i) {
        s.objects[i] = Take(g.objects[i]);
        s.shots[i] = Take(g.shots[i]);
    }
    CopyArray(s.patrolCount, g.patrolCount);
    CopyArray(s.contactPos, g.contactPos);
    CopyArray(s.floorOffset, g.floorOffset);
    CopyArray(s.nextFrame, g.nextFrame);
    CopyArray(s.frameTicks, g.frameTicks);
    CopyArray(s.shotSlow, g.shotSlow);
    CopyArray(s.bobSteps, g.bobSteps);
    CopyArray(s.engaged, g.engaged);
    CopyArray(s.shotActive, g.shotActive);
    CopyArray(s.bobDown, g.bobDown);
    return s;
}

void PutGroup(EnemyGroup& g, const GroupState& s)
{
    for (int i = 0; i < ShiftedEntries; ++i) {
        Put(g.objects[i], s.objects[i]);
        Put(g.shots[i], s.shots[i]);
    }
    std::memcpy(g.patrolCount, s.patrolCount, sizeof s.patrolCount);
    std::memcpy(g.contactPos, s.contactPos, sizeof s.contactPos);
    std::memcpy(g.floorOffset, s.floorOffset, sizeof s.floorOffset);
    std::memcpy(g.nextFrame, s.nextFrame, sizeof s.nextFrame);
    std::memcpy(g.frameTicks, s.frameTicks, sizeof s.frameTicks);
    std::memcpy(g.shotSlow, s.shotSlow, sizeof s.shotSlow);
    std::memcpy(g.bobSteps, s.bobSteps, sizeof s.bobSteps);
    std::memcpy(g.engaged, s.engaged, sizeof s.engaged);
    std::memcpy(g.shotActive, s.shotActive, sizeof s.shotActive);
    std::memcpy(g.bobDown, s.bobDown, sizeof s.bobDown);
}

BossSnapshot TakeBoss(const BossState& b)
{
    return {Take(b.object), Take(b.projectile), b.shotTravel, b.patrolCount, b.contactPos, b.floorOffset,
            b.hitPoints, b.nextFrame, b.strikeFrame, b.frameTicks, b.engaged, b.chaseLeftPending,
            b.chaseRightPending};
}

void PutBoss(BossState& b, const BossSnapshot& s)
{
    Put(b.object, s.object);
    Put(b.projectile, s.projectile);
    b.shotTravel = s.shotTravel;
    b.patrolCount = s.patrolCount;
    b.contactPos = s.contactPos;
    b.floorOffset = s.floorOffset;
    b.hitPoints = s.hitPoints;
    b.nextFrame = s.nextFrame;
    b.strikeFrame = s.strikeFrame;
    b.frameTicks = s.frameTicks;
    b.engaged = s.engaged;
    b.chaseLeftPending = s.chaseLeftPending;
    b.chaseRightPending = s.chaseRightPending;
}

EnemyGroup* const Groups[] = {&Barb, &Dino, &Pirate, &Archer, &ArmyMan, &FlyDroid, &SkelGround, &SkelShoot};
BossState* const Bosses[] = {&RDino, &Ninja, &GroundDroid, &Devil};
constexpr int GroupCount = sizeof Groups / sizeof Groups[0];
constexpr int BossCount = sizeof Bosses / sizeof Bosses[0];
constexpr int HeroLists = 2;  // the walk lists that poses rewrite
constexpr int HeroListLength = 5;

}  // namespace

struct GameSnapshot {
    int gameState, worldPosition, viewOffsetY, segmentNumber, heroHealth, heroAmmo;
    bool tileSetLoaded[4], betweenSegments, animateHero, voicePlayed;
    bool actionPose, wallAhead, punchActive, bossPunched, actionSoundPlayed, blockWalkLeft, blockWalkRight;
    bool shotInFlight, shotFlyingRight, shotFlyingLeft, shotBlocked, heroJumping, stepDownActive;
    int heroShotTravel, jumpCounter, jumpOffset, ledgeContact, stepDownFrames;
    uint8_t ninjaThrowsLeft;
    SpriteState hero, heroShot;
    int heroLists[HeroLists][HeroListLength];
    GroupState groups[GroupCount];
    BossSnapshot bosses[BossCount];
};

void SnapshotDeleter::operator()(GameSnapshot* snapshot) const
{
    delete snapshot;
}

SnapshotPtr SaveGameSnapshot()
{
    SnapshotPtr s(new GameSnapshot{});
    s->gameState = GameState;
    s->worldPosition = WorldPosition;
    s->viewOffsetY = ViewOffsetY;
    s->segmentNumber = SegmentNumber;
    s->heroHealth = HeroHealth;
    s->heroAmmo = HeroAmmo;
    std::memcpy(s->tileSetLoaded, TileSetLoaded, sizeof TileSetLoaded);
    s->betweenSegments = BetweenSegments;
    s->animateHero = AnimateHero;
    s->voicePlayed = VoicePlayed;
    s->actionPose = ActionPose;
    s->wallAhead = WallAhead;
    s->punchActive = PunchActive;
    s->bossPunched = BossPunched;
    s->actionSoundPlayed = ActionSoundPlayed;
    s->blockWalkLeft = BlockWalkLeft;
    s->blockWalkRight = BlockWalkRight;
    s->shotInFlight = ShotInFlight;
    s->shotFlyingRight = ShotFlyingRight;
    s->shotFlyingLeft = ShotFlyingLeft;
    s->shotBlocked = ShotBlocked;
    s->heroJumping = HeroJumping;
    s->stepDownActive = StepDownActive;
    s->heroShotTravel = HeroShotTravel;
    s->jumpCounter = JumpCounter;
    s->jumpOffset = JumpOffset;
    s->ledgeContact = LedgeContact;
    s->stepDownFrames = StepDownFrames;
    s->ninjaThrowsLeft = NinjaThrowsLeft;
    s->hero = Take(HeroObject);
    s->heroShot = Take(HeroShotObject);
    for (int l = 0; l < HeroLists; ++l)
        for (int e = 0; e < HeroListLength; ++e)
            s->heroLists[l][e] = HeroObject.animLists[l] ? HeroObject.animLists[l][e] : -1;
    for (int g = 0; g < GroupCount; ++g) s->groups[g] = TakeGroup(*Groups[g]);
    for (int b = 0; b < BossCount; ++b) s->bosses[b] = TakeBoss(*Bosses[b]);
    return s;
}

void RestoreGameSnapshot(const GameSnapshot& s)
{
    GameState = s.gameState;
    WorldPosition = s.worldPosition;
    ViewOffsetY = s.viewOffsetY;
    SegmentNumber = s.segmentNumber;
    HeroHealth = s.heroHealth;
    HeroAmmo = s.heroAmmo;
    std::memcpy(TileSetLoaded, s.tileSetLoaded, sizeof TileSetLoaded);
    BetweenSegments = s.betweenSegments;
    AnimateHero = s.animateHero;
    VoicePlayed = s.voicePlayed;
    ActionPose = s.actionPose;
    WallAhead = s.wallAhead;
    PunchActive = s.punchActive;
    BossPunched = s.bossPunched;
    ActionSoundPlayed = s.actionSoundPlayed;
    BlockWalkLeft = s.blockWalkLeft;
    BlockWalkRight = s.blockWalkRight;
    ShotInFlight = s.shotInFlight;
    ShotFlyingRight = s.shotFlyingRight;
    ShotFlyingLeft = s.shotFlyingLeft;
    ShotBlocked = s.shotBlocked;
    HeroJumping = s.heroJumping;
    StepDownActive = s.stepDownActive;
    HeroShotTravel = s.heroShotTravel;
    JumpCounter = s.jumpCounter;
    JumpOffset = s.jumpOffset;
    LedgeContact = s.ledgeContact;
    StepDownFrames = s.stepDownFrames;
    NinjaThrowsLeft = s.ninjaThrowsLeft;
    Put(HeroObject, s.hero);
    Put(HeroShotObject, s.heroShot);
    // The hero's lists are four frames and a terminator; rewrite them in place.
    for (int l = 0; l < HeroLists; ++l)
        if (HeroObject.animLists[l])
            for (int e = 0; e < HeroListLength; ++e) HeroObject.animLists[l][e] = s.heroLists[l][e];
    for (int g = 0; g < GroupCount; ++g) PutGroup(*Groups[g], s.groups[g]);
    for (int b = 0; b < BossCount; ++b) PutBoss(*Bosses[b], s.bosses[b]);
}
