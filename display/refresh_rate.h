#pragma once
// The refresh a renderer really delivers, measured by timing its presents: the display mode's
// rate can differ from it (a compositor, a variable-rate screen) or be unknown.

struct SDL_Renderer;

// The period that a run of present intervals shows: their median, when at least three quarters
// of them lie within a tenth of it; 0 when they are too uneven to come from a refresh.
double SteadyPeriod(const double* intervalsMs, int count);

// Whether the renderer's presents wait for the display's refresh. SDL imitates vsync with a
// timer where the driver refuses it (software rendering, a GL driver without a swap interval):
// that does not count.
bool WaitsForRefresh(SDL_Renderer* renderer);

// Presents a few black frames and returns the refresh period in milliseconds that they show,
// or 0. Takes about a quarter of a second at 60 Hz.
double MeasureRefresh(SDL_Renderer* renderer);
