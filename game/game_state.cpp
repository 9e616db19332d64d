#include "game/game_state.h"

int GameState = GameStateTitle;
