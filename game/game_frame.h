#pragma once
// One frame of play: 1 after a complete frame, 0 when a tile-set switch could not make its object.
int GameFrame();
