#pragma once
// Shared walking and striking for the humanoid enemy kinds.
#include "figure.h"

// Walk phase 0..2: near leg ahead, legs passing, far leg ahead; arms swing opposite.
Pose WalkPose(int phase);
// The weapon arm swung out and forward, body leaning into the blow.
Pose StrikePose();
// Frame f of the eight-frame layout for a humanoid: walks 0-5, strikes 6-7.
// `look` is called with true for the strike frames so the gear can change.
Canvas EightFrameHumanoid(int f, const std::function<Look(bool strike)>& look, float centreX = 47);
// One frame: the figure posed, outlined and mirrored when facing left.
Canvas DrawPosed(const Look& look, const Pose& pose, bool faceLeft, float centreX = 47);
