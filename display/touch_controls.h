#pragma once
// The touch controls drawn into the window after the picture, where the screen's layout puts
// them (input/touch_layout.h): a d-pad and round buttons, labelled, lit gold while a finger
// holds them. Over the picture they are see-through. The picture's own pixels never change.
struct SDL_Renderer;
struct ScreenLayout;

// The layout is in the window's coordinates; scaleX and scaleY turn them into the renderer's
// output pixels (more than 1 on a high-density screen).
void DrawTouchControls(SDL_Renderer* renderer, const ScreenLayout& layout, float scaleX, float scaleY);
// Frees the labels' textures (before the renderer goes).
void ReleaseTouchDrawing();
