#pragma once
// The hero's state: his keys, poses, punch and shot, and his jump, ground contact and falls.
// Bools are bytes, 0 or 1.
#include <cstdint>

// Control, poses, punch and shot.
extern bool ActionPose;
extern bool WallAhead;
extern bool PunchActive;
extern bool BossPunched;
extern bool ActionSoundPlayed;
extern bool BlockWalkLeft;
extern bool BlockWalkRight;
extern bool ShotInFlight;
extern int HeroShotTravel;
extern bool ShotFlyingRight;
extern bool ShotFlyingLeft;
extern bool ShotBlocked;

// Jump, ground and falls.
extern bool HeroJumping;
extern int JumpCounter;
extern int JumpOffset;
extern int LedgeContact;
extern bool StepDownActive;
extern int StepDownFrames;

constexpr int HeroScreenRow = 4;
constexpr int HeroScreenColumn = 5;
constexpr int HeroScreenX = 275;
constexpr int HeroGroundY = 249;

constexpr int AnimWalkRight = 0;
constexpr int AnimWalkLeft = 1;
constexpr int AnimJumpRight = 3;
constexpr int AnimJumpLeft = 4;
constexpr int AnimDownLeft = 5;
constexpr int AnimDownRight = 6;

// Frame steps, in frame order.
void HeroInputStep();
void HeroShotStep();
void HeroJumpStep();
void HeroGroundStep();
void HeroTileTests();
