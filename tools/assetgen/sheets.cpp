#include "sheets.h"

#include "palette_design.h"
#include "sprites/sprites.h"
#include "tiles.h"

namespace {

const uint8_t GridColour = Col(RampGrey, 1);

struct Cell {
    int col;
    int row;
};

// Frames 0, 1, 2 / 3, 4, 5 / 6, 7 in rows of three.
const Cell EightFrameLayout[] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}};
// Hero sheets: frames 4n .. 4n+3.
const Cell HeroLayout[] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}};
const Cell NinjaLayout[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
const Cell RowLayout[] = {{0, 0}, {1, 0}, {2, 0}};

Sheet EnemySheet(const char* file, EnemyKind kind)
{
    const int n = EnemyFrameCount(kind);
    const Cell* layout = n == 8 ? EightFrameLayout : n == 4 ? NinjaLayout : RowLayout;
    const int cols = n == 8 || n == 3 ? 3 : 2;
    const int rows = n == 8 ? 3 : n == 4 ? 2 : 1;
    Sheet s{file, SpriteW, SpriteH, cols, rows, 1, {}};
    for (int f = 0; f < n; ++f) s.frames.push_back({f, layout[f].col, layout[f].row, DrawEnemyFrame(kind, f)});
    return s;
}

}  // namespace

Canvas RenderSheet(const Sheet& sheet)
{
    // The width is padded to a multiple of 4, so rows in the file need no padding bytes of their own:
    // readers that take rows as plain runs of bytes read the sheet as well. The padding columns stay 0.
    const int gridWidth = sheet.cols * (sheet.cellW + 1) + 1;
    Canvas c((gridWidth + 3) / 4 * 4, sheet.rows * (sheet.cellH + 1) + 1);
    for (int col = 0; col <= sheet.cols; ++col) c.fillRect(col * (sheet.cellW + 1), 0, 1, c.h, GridColour);
    for (int row = 0; row <= sheet.rows; ++row) c.fillRect(0, row * (sheet.cellH + 1), c.w, 1, GridColour);
    for (const SheetFrame& f : sheet.frames) {
        const int x0 = f.col * (sheet.cellW + 1) + 1, y0 = f.row * (sheet.cellH + 1) + 1;
        // Copy the whole cell, transparent pixels included, cropped to the cell.
        for (int y = 0; y < sheet.cellH; ++y)
            for (int x = 0; x < sheet.cellW; ++x) c.set(x0 + x, y0 + y, f.pixels.get(x, y));
    }
    return c;
}

std::vector<Sheet> CastSheets()
{
    std::vector<Sheet> sheets;
    for (int n = 0; n < 8; ++n) {
        Sheet s{"Quorax" + std::to_string(n) + ".BMP", SpriteW, SpriteH, 3, 2, 1, {}};
        for (int i = 0; i < 4; ++i)
            s.frames.push_back({4 * n + i, HeroLayout[i].col, HeroLayout[i].row, DrawHeroFrame(4 * n + i)});
        sheets.push_back(std::move(s));
    }
    Sheet ammo{"Ammo.BMP", 10, 10, 3, 1, 1, {}};
    Sheet ammo2{"Ammo2.BMP", SpriteW, SpriteH, 3, 1, 1, {}};
    for (int i = 0; i < 3; ++i) {
        ammo.frames.push_back({i, i, 0, DrawAmmoCell(i)});
        ammo2.frames.push_back({i, i, 0, DrawAmmo2Cell(i)});
    }
    sheets.push_back(std::move(ammo));
    sheets.push_back(std::move(ammo2));

    const struct {
        const char* file;
        EnemyKind kind;
    } enemies[] = {
        {"Barb.BMP", KindBarb},         {"Dino.BMP", KindDino},           {"RDino.BMP", KindRDino},
        {"Pirate.BMP", KindPirate},     {"Archer.BMP", KindArcher},       {"Ninja.BMP", KindNinja},
        {"ArmyMan.BMP", KindArmyMan},   {"FlyDroid.BMP", KindFlyDroid},   {"GroundDroid.BMP", KindGroundDroid},
        {"SkelGround.BMP", KindSkelGround}, {"SkelShoot.BMP", KindSkelShoot}, {"Devil.BMP", KindDevil},
    };
    for (const auto& e : enemies) sheets.push_back(EnemySheet(e.file, e.kind));
    return sheets;
}

std::vector<Sheet> TileSheets()
{
    // Frames 0-3 in row 0, 4-7 in row 1, 8 and 9 in row 2.
    std::vector<Sheet> sheets;
    for (int seg = 1; seg <= SegmentCount; ++seg) {
        Sheet s{"SCROLLTEXTURES" + std::to_string(seg) + ".BMP", 64, 64, 4, 3, seg, {}};
        for (int d = 0; d < TileDigits; ++d) s.frames.push_back({d, d % 4, d / 4, DrawTile(seg, d)});
        sheets.push_back(std::move(s));
    }
    return sheets;
}
