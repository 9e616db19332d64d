#include "contact_sheet.h"

#include <algorithm>

#include "palette_design.h"
#include "text.h"

namespace {

constexpr int PageWidth = 1520;
constexpr int Gap = 8;
constexpr int LabelSize = 10;
const Rgb PageColour{22, 22, 28};
const Rgb CheckA{44, 46, 56};
const Rgb CheckB{56, 58, 68};
const Rgb LabelColour{230, 230, 210};

struct Box {
    const Canvas* pixels;
    const Palette* palette;
    Canvas label;
    int scale;
    int w;
    int h;
};

void Put(RgbImage& img, int x, int y, Rgb c)
{
    if (x < 0 || y < 0 || x >= img.w || y >= img.h) return;
    uint8_t* p = &img.rgb[(static_cast<size_t>(y) * img.w + x) * 3];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
}

void Draw(RgbImage& img, const Box& b, int x, int y)
{
    const int iw = b.pixels->w * b.scale, ih = b.pixels->h * b.scale;
    for (int yy = 0; yy < ih; ++yy)
        for (int xx = 0; xx < iw; ++xx) {
            const uint8_t c = b.pixels->get(xx / b.scale, yy / b.scale);
            // Transparent pixels show a checkerboard, so black outlines stay visible.
            Put(img, x + xx, y + yy, c ? b.palette->entry[c] : ((xx / 4 + yy / 4) % 2 ? CheckA : CheckB));
        }
    for (int yy = 0; yy < b.label.h; ++yy)
        for (int xx = 0; xx < b.label.w; ++xx)
            if (b.label.get(xx, yy)) Put(img, x + xx, y + ih + 2 + yy, LabelColour);
}

}  // namespace

RgbImage RenderContactSheet(const std::vector<Sheet>& sheets)
{
    std::vector<Palette> palettes;
    for (const Sheet& s : sheets) palettes.push_back(FilePalette(s.segment));
    std::vector<Box> boxes;
    for (size_t i = 0; i < sheets.size(); ++i)
        for (const SheetFrame& f : sheets[i].frames) {
            Box b{&f.pixels, &palettes[i], TextMask(Face::Mono, LabelSize, sheets[i].file + " " + std::to_string(f.frame)),
                  f.pixels.w < 32 ? 4 : 1, 0, 0};
            b.w = std::max(f.pixels.w * b.scale, b.label.w);
            b.h = f.pixels.h * b.scale + 2 + b.label.h;
            boxes.push_back(std::move(b));
        }

    // Flow the boxes into rows; a new sheet of a different cell size starts a new row.
    struct Placed {
        size_t box;
        int x;
        int y;
    };
    std::vector<Placed> placed;
    int x = Gap, y = Gap, rowH = 0, prevW = -1;
    for (size_t i = 0; i < boxes.size(); ++i) {
        const int cellW = boxes[i].pixels->w;
        if (x + boxes[i].w + Gap > PageWidth || (prevW >= 0 && cellW != prevW)) {
            x = Gap;
            y += rowH + Gap;
            rowH = 0;
        }
        placed.push_back({i, x, y});
        x += boxes[i].w + Gap;
        rowH = std::max(rowH, boxes[i].h);
        prevW = cellW;
    }
    RgbImage img;
    img.w = PageWidth;
    img.h = y + rowH + Gap;
    img.rgb.resize(static_cast<size_t>(img.w) * img.h * 3);
    for (int yy = 0; yy < img.h; ++yy)
        for (int xx = 0; xx < img.w; ++xx) Put(img, xx, yy, PageColour);
    for (const Placed& p : placed) Draw(img, boxes[p.box], p.x, p.y);
    return img;
}
