#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "display/colour_table.h"
#include "display/display.h"
#include "display/present_layout.h"
#include "display/refresh_rate.h"
#include "display/touch_controls.h"
#include "input/touch.h"

namespace {

PresentHook presentHook = nullptr;

// The picture enlarged by a whole factor with nearest-pixel sampling, into a texture that is
// itself sampled linearly. false when the renderer cannot (no render targets, too large).
bool Enlarge(SDL_Renderer* renderer, SDL_Texture* picture, int factor, SDL_Texture** scaled, int* scaledFactor) {
    if (!SDL_RenderTargetSupported(renderer)) return false;
    if (!*scaled || *scaledFactor != factor) {
        SDL_DestroyTexture(*scaled);
        *scaledFactor = 0;
        int width = 0, height = 0;
        SDL_QueryTexture(picture, nullptr, nullptr, &width, &height);
        *scaled = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width * factor,
                                    height * factor);
        if (!*scaled) return false;
        SDL_SetTextureScaleMode(*scaled, SDL_ScaleModeLinear);
        *scaledFactor = factor;
    }
    if (SDL_SetRenderTarget(renderer, *scaled) != 0) return false;
    const bool copied = SDL_RenderCopy(renderer, picture, nullptr, nullptr) == 0;
    return SDL_SetRenderTarget(renderer, nullptr) == 0 && copied;
}

// Edges rounded, not sizes, so that neighbouring rectangles still meet.
ScreenRect InOutputPixels(const ScreenRect& rect, float scaleX, float scaleY) {
    const int left = static_cast<int>(std::lround(rect.x * scaleX));
    const int top = static_cast<int>(std::lround(rect.y * scaleY));
    const int right = static_cast<int>(std::lround((rect.x + rect.width) * scaleX));
    const int bottom = static_cast<int>(std::lround((rect.y + rect.height) * scaleY));
    return {left, top, right - left, bottom - top};
}

}  // namespace

int DrawPictureSharp(SDL_Renderer* renderer, SDL_Texture* picture, SDL_Texture** scaled, int* scaledFactor) {
    int outputWidth = 0, outputHeight = 0, width = 0, height = 0;
    if (SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight) != 0) return 0;
    if (SDL_QueryTexture(picture, nullptr, nullptr, &width, &height) != 0) return 0;
    // The touch controls are placed in the window's coordinates, which a high-density screen
    // gives fewer of than output pixels.
    int windowWidth = outputWidth, windowHeight = outputHeight;
    if (SDL_Window* window = SDL_RenderGetWindow(renderer)) SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    const ScreenLayout screen = TouchScreenLayout(windowWidth, windowHeight);
    const float scaleX = windowWidth > 0 ? static_cast<float>(outputWidth) / windowWidth : 1;
    const float scaleY = windowHeight > 0 ? static_cast<float>(outputHeight) / windowHeight : 1;
    const PresentLayout layout = screen.placement == PlacementHidden
                                     ? LayoutPicture(outputWidth, outputHeight, width, height)
                                     : ScalePictureInto(InOutputPixels(screen.picture, scaleX, scaleY), width, height);
    const SDL_Rect into{layout.x, layout.y, layout.width, layout.height};
    // Where the enlarged copy cannot be made, nearest-pixel sampling straight into the rectangle
    // still shows everything, with unevenly wide pixels.
    SDL_Texture* source = picture;
    if (!layout.direct && Enlarge(renderer, picture, layout.factor, scaled, scaledFactor)) source = *scaled;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    const bool drawn = SDL_RenderCopy(renderer, source, nullptr, &into) == 0;
    DrawTouchControls(renderer, screen, scaleX, scaleY);
    return drawn ? 1 : 0;
}

int AttachDisplayWindow(SDL_Window* window) {
    if (!window) return 0;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) return 0;
    const int width = TheDisplay.screenWidth;
    const int height = TheDisplay.screenHeight;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture || SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest) != 0) {
        SDL_DestroyTexture(texture);
        SDL_DestroyRenderer(renderer);
        return 0;
    }
    TheDisplay.window = window;
    TheDisplay.renderer = renderer;
    TheDisplay.texture = texture;
    TheDisplay.refreshMs = WaitsForRefresh(renderer) ? MeasureRefresh(renderer) : 0;
    if (TheDisplay.refreshMs == 0) StopWaitingForRefresh();
    return 1;
}

void StopWaitingForRefresh() {
    // SDL would otherwise go on imitating vsync with a timer, which only shifts the frame clock's pace.
    if (TheDisplay.renderer) SDL_RenderSetVSync(TheDisplay.renderer, 0);
    TheDisplay.refreshMs = 0;
}

int FlipDisplay() {
    if (!TheDisplay.backSurface) return 1;
    if (TheDisplay.renderer) {
        // Textures take no indexed pixels: one pass through the colour table writes the 32-bit
        // picture straight into the texture's memory.
        const SDL_Surface* back = TheDisplay.backSurface;
        void* pixels = nullptr;
        int pitch = 0, width = 0, height = 0;
        SDL_QueryTexture(TheDisplay.texture, nullptr, nullptr, &width, &height);
        if (SDL_LockTexture(TheDisplay.texture, nullptr, &pixels, &pitch) == 0) {
            ConvertToArgb(static_cast<const uint8_t*>(back->pixels), back->pitch, pixels, pitch,
                          std::min(width, back->w), std::min(height, back->h), TheDisplay.colourTable);
            SDL_UnlockTexture(TheDisplay.texture);
        }
        DrawPictureSharp(TheDisplay.renderer, TheDisplay.texture, &TheDisplay.scaledTexture, &TheDisplay.scaledFactor);
        SDL_RenderPresent(TheDisplay.renderer);
    }
    if (presentHook) presentHook(true);
    return 1;
}

int PresentAgain() {
    if (TheDisplay.renderer) {
        DrawPictureSharp(TheDisplay.renderer, TheDisplay.texture, &TheDisplay.scaledTexture, &TheDisplay.scaledFactor);
        SDL_RenderPresent(TheDisplay.renderer);
    }
    if (presentHook) presentHook(false);
    return 1;
}

void SetPresentHook(PresentHook hook) { presentHook = hook; }

void ToggleFullscreen() {
    SDL_Window* window = TheDisplay.window;
    if (!window) return;
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowSize(window, TheDisplay.screenWidth, TheDisplay.screenHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
}

void ShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }
