#pragma once
// Prints the game's state, one Name=value per line.
#include <ostream>

void DumpEnemyState(std::ostream& out);
