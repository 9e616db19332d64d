#include "text.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

const char* FontPath(Face face)
{
    switch (face) {
    case Face::Mono: return QUORAX_FONT_MONO;
    case Face::Sans: return QUORAX_FONT_SANS;
    case Face::Serif: return QUORAX_FONT_SERIF;
    }
    return QUORAX_FONT_MONO;
}

// Keeps the TTF library open while a font is in use; it counts its own initialisations.
struct TtfSession {
    TtfSession()
    {
        if (TTF_Init() != 0) throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
    }
    ~TtfSession() { TTF_Quit(); }
    TtfSession(const TtfSession&) = delete;
    TtfSession& operator=(const TtfSession&) = delete;
};

}  // namespace

Canvas TextMask(Face face, int pointSize, const std::string& text)
{
    if (text.empty()) return Canvas();
    TtfSession session;
    std::unique_ptr<TTF_Font, decltype(&TTF_CloseFont)> font(TTF_OpenFont(FontPath(face), pointSize),
                                                             &TTF_CloseFont);
    if (!font) throw std::runtime_error(std::string("cannot open font ") + FontPath(face) + ": " + TTF_GetError());
    TTF_SetFontHinting(font.get(), TTF_HINTING_NORMAL);
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        TTF_RenderUTF8_Blended(font.get(), text.c_str(), SDL_Color{255, 255, 255, 255}), &SDL_FreeSurface);
    if (!surface) throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    Canvas mask(surface->w, surface->h);
    const SDL_PixelFormat* format = surface->format;
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = static_cast<const uint8_t*>(surface->pixels) + static_cast<long>(y) * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            uint32_t pixel = 0;
            SDL_memcpy(&pixel, row + x * format->BytesPerPixel, format->BytesPerPixel);
            uint8_t r = 0, g = 0, b = 0, a = 0;
            SDL_GetRGBA(pixel, format, &r, &g, &b, &a);
            if (a >= 128) mask.set(x, y, 1);
        }
    }
    return mask;
}

int DrawText(Canvas& dst, int x, int y, const std::string& text, const TextStyle& style)
{
    const Canvas mask = TextMask(style.face, style.size, text);
    if (mask.w == 0) return 0;
    // Shade only the rows the glyphs really use, so the gradient spans the letters.
    int top = mask.h, bottom = -1;
    for (int yy = 0; yy < mask.h; ++yy)
        for (int xx = 0; xx < mask.w; ++xx)
            if (mask.get(xx, yy)) {
                top = std::min(top, yy);
                bottom = std::max(bottom, yy);
            }
    const auto paint = [&](int ox, int oy, auto colourAt) {
        for (int yy = 0; yy < mask.h; ++yy)
            for (int xx = 0; xx < mask.w; ++xx)
                if (mask.get(xx, yy)) dst.set(x + ox + xx, y + oy + yy, colourAt(yy));
    };
    const auto solid = [](uint8_t c) { return [c](int) { return c; }; };
    if (style.shadow) {
        paint(style.shadowOffset, style.shadowOffset, solid(style.shadow));
        if (style.outline) {
            for (int d = -1; d <= 1; d += 2) {
                paint(style.shadowOffset + d, style.shadowOffset, solid(style.shadow));
                paint(style.shadowOffset, style.shadowOffset + d, solid(style.shadow));
            }
        }
    }
    if (style.outline) {
        for (int oy = -1; oy <= 1; ++oy)
            for (int ox = -1; ox <= 1; ++ox)
                if (ox || oy) paint(ox, oy, solid(style.outline));
    }
    const int n = static_cast<int>(style.fill.size());
    if (n > 0) {
        const int span = std::max(1, bottom - top + 1);
        paint(0, 0, [&](int yy) {
            const int i = std::clamp((yy - top) * n / span, 0, n - 1);
            return style.fill[static_cast<size_t>(i)];
        });
    }
    return mask.w;
}

int DrawTextCentred(Canvas& dst, int cx, int y, const std::string& text, const TextStyle& style)
{
    const int width = TextMask(style.face, style.size, text).w;
    return DrawText(dst, cx - width / 2, y, text, style);
}
