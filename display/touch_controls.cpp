#include "display/touch_controls.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "display/text.h"
#include "input/touch.h"
#include "input/touch_layout.h"

namespace {

constexpr const char* Labels[ControlCount] = {"",       "",       "",       "",       "JUMP",  "FIRE", "PUNCH",
                                              "",       "LAND 1", "LAND 2", "LAND 3", "LAND 4", "STORY", "BACK"};

// Light and faint at rest, gold while held. Over the picture, which shows through, a dark plate
// at rest keeps the labels readable on any picture, and the edges are fainter.
constexpr SDL_Color RestFill{255, 255, 255, 36}, RestEdge{232, 224, 200, 150}, RestMark{232, 224, 200, 200};
constexpr SDL_Color HeldFill{240, 192, 64, 170}, HeldEdge{255, 216, 96, 240}, HeldMark{48, 32, 8, 255};
constexpr SDL_Color OverRestFill{12, 12, 16, 150};
constexpr Uint8 OverAlphaPercent = 70;

constexpr int Segments = 48;  // of a circle: smooth at a thumb's size on any screen
constexpr float Pi = 3.14159265f;

SDL_Texture* labels[ControlCount] = {};
SDL_Renderer* labelsOwner = nullptr;  // the textures belong to one renderer

struct Style {
    SDL_Color fill, edge, mark;
};

Style StyleOf(bool held, bool over) {
    Style style = held ? Style{HeldFill, HeldEdge, HeldMark} : Style{RestFill, RestEdge, RestMark};
    if (over) {
        style.fill = held ? SDL_Color{HeldFill.r, HeldFill.g, HeldFill.b, HeldFill.a * OverAlphaPercent / 100}
                          : OverRestFill;
        style.edge.a = static_cast<Uint8>(style.edge.a * OverAlphaPercent / 100);
    }
    return style;
}

struct Area {
    float x, y, w, h;
    float CentreX() const { return x + w / 2; }
    float CentreY() const { return y + h / 2; }
};

Area Scaled(const ScreenRect& rect, float scaleX, float scaleY) {
    return {rect.x * scaleX, rect.y * scaleY, rect.width * scaleX, rect.height * scaleY};
}

SDL_Vertex Vertex(float x, float y, SDL_Color colour) { return SDL_Vertex{{x, y}, colour, {0, 0}}; }

// A ring between two radii; an inner radius of 0 fills the disc.
void Ring(SDL_Renderer* renderer, float x, float y, float outer, float inner, SDL_Color colour) {
    SDL_Vertex vertices[Segments * 6];
    int count = 0;
    for (int i = 0; i < Segments; ++i) {
        const float a = 2 * Pi * i / Segments, b = 2 * Pi * (i + 1) / Segments;
        const SDL_FPoint oa{x + outer * std::cos(a), y + outer * std::sin(a)};
        const SDL_FPoint ob{x + outer * std::cos(b), y + outer * std::sin(b)};
        const SDL_FPoint ia{x + inner * std::cos(a), y + inner * std::sin(a)};
        const SDL_FPoint ib{x + inner * std::cos(b), y + inner * std::sin(b)};
        vertices[count++] = Vertex(oa.x, oa.y, colour);
        vertices[count++] = Vertex(ob.x, ob.y, colour);
        vertices[count++] = Vertex(ia.x, ia.y, colour);
        if (inner <= 0) continue;
        vertices[count++] = Vertex(ia.x, ia.y, colour);
        vertices[count++] = Vertex(ob.x, ob.y, colour);
        vertices[count++] = Vertex(ib.x, ib.y, colour);
    }
    SDL_RenderGeometry(renderer, nullptr, vertices, count, nullptr, 0);
}

float EdgeWidth(const Area& area) { return std::max(2.0f, std::min(area.w, area.h) / 24); }

void RoundButton(SDL_Renderer* renderer, const Area& area, const Style& style) {
    const float radius = std::min(area.w, area.h) / 2;
    Ring(renderer, area.CentreX(), area.CentreY(), radius, 0, style.fill);
    Ring(renderer, area.CentreX(), area.CentreY(), radius, radius - EdgeWidth(area), style.edge);
}

void FillArea(SDL_Renderer* renderer, const Area& area, SDL_Color colour) {
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
    const SDL_FRect rect{area.x, area.y, area.w, area.h};
    SDL_RenderFillRectF(renderer, &rect);
}

void WideButton(SDL_Renderer* renderer, const Area& area, const Style& style) {
    FillArea(renderer, area, style.fill);
    const float edge = EdgeWidth(area);
    FillArea(renderer, {area.x, area.y, area.w, edge}, style.edge);
    FillArea(renderer, {area.x, area.y + area.h - edge, area.w, edge}, style.edge);
    FillArea(renderer, {area.x, area.y + edge, edge, area.h - 2 * edge}, style.edge);
    FillArea(renderer, {area.x + area.w - edge, area.y + edge, edge, area.h - 2 * edge}, style.edge);
}

// A triangle in the arm's square, pointing away from the d-pad's centre.
void Arrow(SDL_Renderer* renderer, const Area& arm, int control, SDL_Color colour) {
    const float cx = arm.CentreX(), cy = arm.CentreY(), r = arm.w * 0.28f;
    float dx = 0, dy = 0;
    if (control == ControlLeft) dx = -1;
    if (control == ControlRight) dx = 1;
    if (control == ControlUp) dy = -1;
    if (control == ControlDown) dy = 1;
    const SDL_Vertex vertices[] = {
        Vertex(cx + dx * r, cy + dy * r, colour),
        Vertex(cx - dx * r * 0.6f + dy * r, cy - dy * r * 0.6f + dx * r, colour),
        Vertex(cx - dx * r * 0.6f - dy * r, cy - dy * r * 0.6f - dx * r, colour),
    };
    SDL_RenderGeometry(renderer, nullptr, vertices, 3, nullptr, 0);
}

void Dpad(SDL_Renderer* renderer, const ScreenLayout& layout, float scaleX, float scaleY, bool over) {
    const Area pad = Scaled(layout.dpad, scaleX, scaleY);
    RoundButton(renderer, pad, StyleOf(false, over));
    for (int control = ControlLeft; control <= ControlDown; ++control) {
        const Area arm = Scaled(layout.controls[control], scaleX, scaleY);
        const bool held = TouchControlHeld(control);
        const Style style = StyleOf(held, over);
        if (held) Ring(renderer, arm.CentreX(), arm.CentreY(), arm.w * 0.46f, 0, style.fill);
        Arrow(renderer, arm, control, held ? style.mark : style.edge);
    }
}

void PauseMark(SDL_Renderer* renderer, const Area& area, SDL_Color colour) {
    const float w = area.w * 0.1f, h = area.h * 0.36f, y = area.CentreY() - h / 2;
    FillArea(renderer, {area.CentreX() - 1.8f * w, y, w, h}, colour);
    FillArea(renderer, {area.CentreX() + 0.8f * w, y, w, h}, colour);
}

SDL_Texture* LabelTexture(SDL_Renderer* renderer, int control) {
    if (labelsOwner != renderer) ReleaseTouchDrawing();
    labelsOwner = renderer;
    if (!labels[control]) {
        SDL_Surface* text = RenderLabel(Labels[control]);
        if (!text) return nullptr;
        labels[control] = SDL_CreateTextureFromSurface(renderer, text);
        SDL_FreeSurface(text);
        if (labels[control]) SDL_SetTextureScaleMode(labels[control], SDL_ScaleModeLinear);
    }
    return labels[control];
}

// The label centred, as tall as a share of the button, narrower than the button.
void Label(SDL_Renderer* renderer, int control, const Area& area, SDL_Color colour, float share) {
    SDL_Texture* texture = *Labels[control] ? LabelTexture(renderer, control) : nullptr;
    int width = 0, height = 0;
    if (!texture || SDL_QueryTexture(texture, nullptr, nullptr, &width, &height) != 0 || height == 0) return;
    float h = area.h * share, w = width * h / height;
    if (w > area.w * 0.84f) {
        h *= area.w * 0.84f / w;
        w = area.w * 0.84f;
    }
    const SDL_FRect into{area.CentreX() - w / 2, area.CentreY() - h / 2, w, h};
    SDL_SetTextureColorMod(texture, colour.r, colour.g, colour.b);
    SDL_SetTextureAlphaMod(texture, colour.a);
    SDL_RenderCopyF(renderer, texture, nullptr, &into);
}

}  // namespace

void DrawTouchControls(SDL_Renderer* renderer, const ScreenLayout& layout, float scaleX, float scaleY) {
    if (layout.placement == PlacementHidden) return;
    const bool over = layout.placement == PlacementOver;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    if (layout.dpad.width > 0) Dpad(renderer, layout, scaleX, scaleY, over);
    for (int control = ControlJump; control < ControlCount; ++control) {
        if (layout.controls[control].width == 0) continue;
        const Area area = Scaled(layout.controls[control], scaleX, scaleY);
        const Style style = StyleOf(TouchControlHeld(control), over);
        if (control >= ControlLand1) {
            WideButton(renderer, area, style);
            Label(renderer, control, area, style.mark, 0.42f);
            continue;
        }
        RoundButton(renderer, area, style);
        if (control == ControlPause)
            PauseMark(renderer, area, style.mark);
        else
            Label(renderer, control, area, style.mark, 0.26f);
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
}

void ReleaseTouchDrawing() {
    for (SDL_Texture*& texture : labels) {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
    labelsOwner = nullptr;
}
