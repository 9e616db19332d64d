#include "game/hero.h"

bool ActionPose = false;
bool WallAhead = false;
bool PunchActive = false;
bool BossPunched = false;
bool ActionSoundPlayed = false;
bool BlockWalkLeft = false;
bool BlockWalkRight = false;
bool ShotInFlight = false;
int HeroShotTravel = 0;
bool ShotFlyingRight = false;
bool ShotFlyingLeft = false;
bool ShotBlocked = false;

bool HeroJumping = false;
int JumpCounter = 25;  // counts down through the rise, then on to -24 through the fall
int JumpOffset = 0;
int LedgeContact = 0;
bool StepDownActive = false;
int StepDownFrames = 0;
