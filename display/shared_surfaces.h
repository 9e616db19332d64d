#pragma once
// Frame surfaces with the same pixels kept once: every member of an enemy group cuts the same
// cells from the same picture, and each of those frames is stored a single time for them all.
#include <cstdint>

struct SDL_Surface;

// A palette surface (see CreatePaletteSurface) of width x height whose first cellWidth columns
// hold the rows given (rows sourcePitch bytes apart) and the rest index 0: the one already made
// with these pixels, or a new one. Its pixels must not change. nullptr when it cannot be made.
SDL_Surface* ShareCellSurface(const uint8_t* source, int sourcePitch, int cellWidth, int width, int height);
// Lets go of one holder's share; the last one frees the surface. nullptr is ignored.
void ReleaseSharedSurface(SDL_Surface* surface);
// How many different surfaces are shared now (for tests and measurements).
int SharedSurfaceCount();
