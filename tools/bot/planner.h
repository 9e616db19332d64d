#pragma once
// How the bot chooses what to hold: at each decision it tries a handful of short moves a player
// would make (walk, jump, punch, fire, wait, step back), plays each one and a short reflex
// follow-up on a copy of the world, and keeps the one that goes furthest without getting hurt.
#include <cstdint>
#include <vector>

enum BotKey : uint8_t {
    KeyLeft = 1,
    KeyRight = 2,
    KeyUp = 4,
    KeyDown = 8,
    KeySpace = 16,
    KeyRAlt = 32,
};
using KeyMask = uint8_t;

// Runs one pass with exactly the keys of the mask held; false once the main loop has ended.
bool PlayFrame(KeyMask keys);

// The frames of the next move to play for real.
std::vector<KeyMask> ChooseNextMove();
