#pragma once
// Which frame function the main loop runs.

constexpr int GameStateTitle = 0;
constexpr int GameStatePlay = 1;
constexpr int GameStateDeath = 2;
constexpr int GameStateWin = 3;
constexpr int GameStateStory = 4;

extern int GameState;
