#pragma once
// The status line over the play: the hero's health on the left, his bullets on the right.
void DrawStatusLine();
