// The land's sky behind the play: drawn first, scrolled with WorldPosition at a quarter of the
// map's pace, switched with the tile set, and loaded by start-up with the other pictures.
#include "game/backdrop.h"

#include <SDL.h>

#include <cstring>
#include <filesystem>

#include "app/startup.h"
#include "display/bitmap_file.h"
#include "display/display.h"
#include "game/new_game.h"
#include "tests/game/play_fixture.h"
#include "tests/support/scratch_folder.h"

namespace {

uint8_t Pixel(const SDL_Surface* surface, int x, int y)
{
    return static_cast<const uint8_t*>(surface->pixels)[y * surface->pitch + x];
}

uint8_t BackAt(int x, int y) { return Pixel(TheDisplay.backSurface, x, y); }

// What the map alone draws at a screen pixel: its tile's pixel there (0 where the tile is clear).
uint8_t MapPixelAt(int x, int y)
{
    const int worldX = x + WorldPosition, worldY = y + ViewOffsetY;
    const char cell = MapCell(worldY / TileSize, worldX / TileSize);
    return Pixel(TileSetObject.frames[cell - '0'], worldX % TileSize, worldY % TileSize);
}

// The segment's backdrop pixel that belongs at a screen pixel for the current WorldPosition.
uint8_t BackdropPixelAt(int segment, int x, int y)
{
    const SDL_Surface* picture = BackdropObjects[segment - 1].frames[0];
    return Pixel(picture, (x + BackdropScroll(WorldPosition, picture->w)) % picture->w, y);
}

bool OnHero(int x, int y) { return x >= 275 && x < 275 + 94 && y >= HeroObject.posY && y < HeroObject.posY + 74; }

struct Shares {
    long clear = 0;       // pixels where the map is clear, away from the hero
    double backdrop = 0;  // of those, the share that shows the backdrop
    long solid = 0;       // pixels where the map draws, away from the hero
    double map = 0;       // of those, the share that shows the map
};

// Sprites cover a few pixels anywhere, so the shares fall a little short of 1.
Shares LastFrame(int segment)
{
    Shares s;
    long backdrop = 0, map = 0;
    for (int y = 0; y < BackdropRows; ++y)
        for (int x = 0; x < 640; ++x) {
            if (OnHero(x, y)) continue;
            const uint8_t tile = MapPixelAt(x, y);
            if (tile == 0) {
                ++s.clear;
                backdrop += BackAt(x, y) == BackdropPixelAt(segment, x, y) ? 1 : 0;
            } else {
                ++s.solid;
                map += BackAt(x, y) == tile ? 1 : 0;
            }
        }
    s.backdrop = s.clear ? static_cast<double>(backdrop) / static_cast<double>(s.clear) : 0;
    s.map = s.solid ? static_cast<double>(map) / static_cast<double>(s.solid) : 0;
    return s;
}

TEST(Backdrop, ScrollsAQuarterOfTheWorldPositionAndWraps)
{
    EXPECT_EQ(BackdropScroll(0, 1280), 0);
    EXPECT_EQ(BackdropScroll(7, 1280), 1);
    EXPECT_EQ(BackdropScroll(4 * 1279, 1280), 1279);
    EXPECT_EQ(BackdropScroll(4 * 1280, 1280), 0);
    EXPECT_EQ(BackdropScroll(32343, 1280), 8085 % 1280);
    // A position left of the world's start still lands inside the picture.
    EXPECT_EQ(BackdropScroll(-8, 1280), 1278);
    EXPECT_EQ(BackdropScroll(100, 0), 0);
}

TEST_F(Play, TheBackdropShowsWhereTheMapIsClearAndTheTilesCoverIt)
{
    Start();
    Frames(1);
    ASSERT_EQ(BackdropShown, 1);
    const Shares s = LastFrame(1);
    ASSERT_GT(s.clear, 20000);
    ASSERT_GT(s.solid, 20000);
    EXPECT_GT(s.backdrop, 0.95);
    EXPECT_GT(s.map, 0.95);
    // Below the 448 rows the status line's band stays black.
    for (int x = 0; x < 640; x += 5) ASSERT_EQ(BackAt(x, 450), 0) << x;
}

TEST_F(Play, TheShotFliesInFrontOfTheBackdropAndBehindTheMap)
{
    Start();
    ClearEnemies();
    Frames(1, {DIK_SPACE});
    Frames(5);
    ASSERT_TRUE(ShotInFlight);
    // This frame drew the shot one step back from where it stands now.
    const int left = static_cast<int>(HeroShotObject.posX) - 10, top = static_cast<int>(HeroShotObject.posY);
    const SDL_Surface* shot = HeroShotObject.frames[HeroShotObject.currentFrame];
    int inFront = 0, behind = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const uint8_t own = Pixel(shot, x, y);
            if (own == 0) continue;
            const uint8_t tile = MapPixelAt(left + x, top + y);
            if (tile == 0) {
                EXPECT_EQ(BackAt(left + x, top + y), own) << x << ", " << y;
                ++inFront;
            } else {
                EXPECT_EQ(BackAt(left + x, top + y), tile) << x << ", " << y;
                ++behind;
            }
        }
    EXPECT_GT(inFront + behind, 20);
}

TEST_F(Play, TheBackdropFollowsTheWorldPositionAcrossItsSeam)
{
    Start();
    ClearEnemies();
    const int width = BackdropObjects[0].cellWidth;
    // Positions with the seam on screen, off it and in between, each drawn by a fresh frame.
    for (int position : {0, 1001, 4 * (width - 320), 4 * width + 6, 6400}) {
        MoveTo(position);
        Frames(1);
        ASSERT_EQ(WorldPosition, position);
        const Shares s = LastFrame(1);
        ASSERT_GT(s.clear, 5000) << position;
        EXPECT_GT(s.backdrop, 0.9) << position;
    }
}

TEST_F(Play, TheTileSwitchAtSevenThousandBringsTheHarbourSkyInTheSameFrame)
{
    Start();
    ClearEnemies();
    RDino.hitPoints = 0;
    SegmentNumber = 2;
    MoveTo(6996);
    Frames(1, {DIK_RIGHT});
    ASSERT_EQ(WorldPosition, 7000);
    EXPECT_EQ(BackdropShown, 1);
    Frames(1);
    ASSERT_TRUE(TileSetLoaded[0]);
    EXPECT_EQ(BackdropShown, 2);
    const Shares s = LastFrame(2);
    ASSERT_GT(s.clear, 5000);
    EXPECT_GT(s.backdrop, 0.9);

    // A new game from the title goes back to the jungle's tiles and its sky.
    GameState = GameStateTitle;
    Frames(1, {DIK_F1});
    ASSERT_EQ(GameState, GameStatePlay);
    EXPECT_EQ(BackdropShown, 1);
    Frames(1);
    EXPECT_GT(LastFrame(1).backdrop, 0.95);
}

// A folder holding the game's files, with one left out or put in by another name.
class Folder {
public:
    explicit Folder(const std::string& missing, const std::string& standIn = "")
    {
        const std::filesystem::path home = std::filesystem::current_path();
        for (const auto& entry : std::filesystem::directory_iterator(home)) {
            const std::string name = entry.path().filename().string();
            if (name != missing) Mirror(entry.path(), folder_ / name);
        }
        if (!standIn.empty()) Mirror(home / standIn, folder_ / missing);
        folder_.Enter();
    }

private:
    ScratchFolder folder_;
};

TEST(BackdropStartUp, AMissingBackdropStopsStartUpByName)
{
    Folder folder("Backdrop3.BMP");
    EXPECT_FALSE(StartSimulator());
    EXPECT_NE(std::strstr(SimulatorError(), "Backdrop3.BMP: "), nullptr) << SimulatorError();
}

TEST(BackdropStartUp, APictureTooSmallForTheScreenStopsStartUpByName)
{
    Folder folder("Backdrop2.BMP", "Ammo.BMP");
    EXPECT_FALSE(StartSimulator());
    EXPECT_NE(std::strstr(SimulatorError(), "\"Backdrop2.BMP\""), nullptr) << SimulatorError();
}

TEST(BackdropStartUp, EveryLandsBackdropIsMadeOnceAndTheLastPaletteIsStillTheDevils)
{
    ASSERT_TRUE(StartSimulator()) << SimulatorError();
    for (int segment = 1; segment <= SegmentCount; ++segment) {
        const BlitterObject& backdrop = BackdropObjects[segment - 1];
        EXPECT_EQ(backdrop.frameCount, 1) << segment;
        ASSERT_NE(backdrop.frames[0], nullptr) << segment;
        EXPECT_GE(backdrop.cellWidth, BackdropMinWidth);
        EXPECT_EQ(backdrop.cellHeight, BackdropRows);
    }
    BitmapFile devil;
    ASSERT_TRUE(LoadBitmapFile(&devil, "Devil.BMP"));
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(TheDisplay.paletteEntries[i].peRed, devil.palette[i].peRed) << i;
        ASSERT_EQ(TheDisplay.paletteEntries[i].peGreen, devil.palette[i].peGreen) << i;
        ASSERT_EQ(TheDisplay.paletteEntries[i].peBlue, devil.palette[i].peBlue) << i;
    }
    UnloadBitmapFile(&devil);
}

}  // namespace
