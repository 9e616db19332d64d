// Start-up: the devices in order, the four sounds, then every picture file in turn through
// ScratchBitmap into the objects that the screens and the game draw.
#include "app/startup.h"

#include <cstdarg>
#include <cstdio>
#include <initializer_list>

#include "display/bitmap_file.h"
#include "display/display.h"
#include "game/assets.h"
#include "game/backdrop.h"
#include "game/enemies.h"
#include "game/hero.h"
#include "game/tile_set.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "sound/music.h"
#include "sound/sound.h"

namespace {

constexpr int MemoryFlags = 0x800;
constexpr int PictureAttributes = AttrVisible | AttrMultiFrame;
constexpr int SpriteAttributes = AttrVisible | AttrMultiAnim;
constexpr int SpriteFrames = 32;
constexpr int SoundFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;

char ErrorText[256] = "";

int Fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(ErrorText, sizeof ErrorText, format, args);
    va_end(args);
    return 0;
}

// A sound that cannot be loaded only leaves its moment silent: the player is told why, and play goes on.
int LoadSound(const char* file)
{
    const int slot = LoadWaveFile(file, SoundFlags);
    if (slot < 0) std::fprintf(stderr, "quorax: %s: %s (the game goes on without this sound)\n", file, SoundFileError());
    return slot;
}

struct Cell {
    int frame;
    int column;
    int row;
};

// Walkers and the chasing bosses: walk left, walk right, strike left and right.
constexpr Cell EightFrames[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 0, 1},
                                {4, 1, 1}, {5, 2, 1}, {6, 0, 2}, {7, 1, 2}};
constexpr Cell ThreeFrames[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}};
constexpr Cell TwoFrames[] = {{0, 0, 0}, {1, 1, 0}};
constexpr Cell NinjaFrames[] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 1}, {3, 1, 1}};

// The file into ScratchBitmap with its palette on the display; a file that cannot be read ends
// start-up, since every object cut from it would show garbage.
int LoadPicture(const char* file)
{
    if (!LoadBitmapFile(&ScratchBitmap, file)) return Fail("%s: %s", file, BitmapFileError());
    SetDisplayPalette(ScratchBitmap.palette);
    return 1;
}

int CutFrames(BlitterObject* object, const char* file, const Cell* cells, size_t count, int mode)
{
    for (size_t i = 0; i < count; ++i) {
        if (!LoadBlitterFrame(object, &ScratchBitmap, cells[i].frame, cells[i].column, cells[i].row, mode)) {
            UnloadBitmapFile(&ScratchBitmap);
            return Fail("the picture file \"%s\" has no cell (%d, %d) of %d x %d pixels", file, cells[i].column,
                        cells[i].row, object->cellWidth, object->cellHeight);
        }
    }
    UnloadBitmapFile(&ScratchBitmap);
    return 1;
}

int CreateFailed(const char* file)
{
    return Fail("cannot make the surfaces for the picture file \"%s\"", file);
}

// Full-screen pictures: the file first, then the object, frame 0 from pixel (0, 0).
int LoadFullScreen(BlitterObject* object, const char* file)
{
    if (!LoadPicture(file)) return 0;
    if (!CreateBlitterObject(object, 0, 0, 640, 480, 10, PictureAttributes, MemoryFlags, 0, 8)) {
        UnloadBitmapFile(&ScratchBitmap);
        return CreateFailed(file);
    }
    constexpr Cell Whole[] = {{0, 0, 0}};
    return CutFrames(object, file, Whole, 1, 1);
}

// Sprites: the object first, then the file, its cells cut on the one-pixel grid.
int LoadSprite(BlitterObject* object, const char* file, int width, int height, const Cell* cells, size_t count)
{
    if (!CreateBlitterObject(object, 0, 0, width, height, SpriteFrames, SpriteAttributes, MemoryFlags, 0, 8)) {
        return CreateFailed(file);
    }
    if (!LoadPicture(file)) return 0;
    return CutFrames(object, file, cells, count, 0);
}

template <size_t N>
int LoadSprite(BlitterObject* object, const char* file, int width, int height, const Cell (&cells)[N])
{
    return LoadSprite(object, file, width, height, cells, N);
}

// Every member of a group loads its file anew.
template <size_t N>
int LoadMembers(BlitterObject* objects, int count, const char* file, int width, int height, const Cell (&cells)[N])
{
    for (int i = 0; i < count; ++i) {
        if (!LoadSprite(&objects[i], file, width, height, cells, N)) return 0;
    }
    return 1;
}

int LoadTiles()
{
    if (!ReadTileSheet(1)) return Fail("%s", TileSetError());
    SetDisplayPalette(ScratchBitmap.palette);
    if (!CreateTileSetObject()) {
        UnloadBitmapFile(&ScratchBitmap);
        return CreateFailed(TileSheetName(1));
    }
    UnloadBitmapFile(&ScratchBitmap);
    return 1;
}

// The five lands' skies, each made once and kept: a land switch only chooses among them.
int LoadBackdrops()
{
    for (int segment = 1; segment <= SegmentCount; ++segment) {
        const char* file = BackdropFileName(segment);
        if (!LoadPicture(file)) return 0;
        const int made = CreateBackdropObject(segment);
        UnloadBitmapFile(&ScratchBitmap);
        if (!made) {
            return Fail("cannot make a backdrop of at least %d x %d pixels from the picture file \"%s\"",
                        BackdropMinWidth, BackdropRows, file);
        }
    }
    return 1;
}

// The sheets of lands 2 to 5 are only cut when their land begins: a missing or damaged one is
// found here, before play, instead of showing a land without tiles.
int CheckLaterTileSheets()
{
    for (int segment = 2; segment <= 5; ++segment) {
        if (!ReadTileSheet(segment)) return Fail("%s", TileSetError());
        UnloadBitmapFile(&ScratchBitmap);
    }
    return 1;
}

int LoadHero()
{
    char file[32];
    for (int n = 0; n < 8; ++n) {
        std::snprintf(file, sizeof file, "Quorax%d.BMP", n);
        const Cell cells[] = {{4 * n, 0, 0}, {4 * n + 1, 1, 0}, {4 * n + 2, 2, 0}, {4 * n + 3, 0, 1}};
        if (n == 0 && !CreateBlitterObject(&HeroObject, 0, 0, 94, 74, SpriteFrames, SpriteAttributes, MemoryFlags,
                                           0, 8)) {
            return CreateFailed(file);
        }
        if (!LoadPicture(file) || !CutFrames(&HeroObject, file, cells, 4, 0)) return 0;
        LoadBlitterAnimation(&HeroObject, n, 4, HeroAnimTable[n]);
    }
    SetBlitterAnimation(&HeroObject, AnimWalkRight);
    SetBlitterAnimSpeed(&HeroObject, 4);
    SetBlitterVelocity(&HeroObject, 0, 0);
    SetBlitterPosition(&HeroObject, HeroScreenX, HeroGroundY);
    return 1;
}

int LoadEnemies()
{
    constexpr Cell Bolt0[] = {{0, 0, 0}};
    constexpr Cell Bolt1[] = {{0, 1, 0}};
    constexpr Cell Bolt2[] = {{0, 2, 0}};
    return LoadMembers(Barb.objects, BarbCount, "Barb.BMP", 94, 74, EightFrames) &&
           LoadMembers(Dino.objects, DinoCount, "Dino.BMP", 94, 74, EightFrames) &&
           LoadSprite(&RDino.object, "RDino.BMP", 94, 74, TwoFrames) &&
           LoadSprite(&RDino.projectile, "Ammo.BMP", 10, 10, Bolt1) &&
           LoadMembers(Pirate.objects, PirateCount, "Pirate.BMP", 94, 74, EightFrames) &&
           LoadMembers(Archer.objects, ArcherCount, "Archer.BMP", 94, 74, ThreeFrames) &&
           LoadMembers(Archer.shots, ArcherCount, "Ammo2.BMP", 94, 74, Bolt0) &&
           LoadSprite(&Ninja.object, "Ninja.BMP", 94, 74, NinjaFrames) &&
           LoadSprite(&Ninja.projectile, "Ammo.BMP", 10, 10, Bolt2) &&
           LoadMembers(ArmyMan.objects, ArmyManCount, "ArmyMan.BMP", 94, 74, EightFrames) &&
           LoadMembers(FlyDroid.objects, FlyDroidCount, "FlyDroid.BMP", 94, 74, TwoFrames) &&
           LoadMembers(FlyDroid.shots, FlyDroidCount, "Ammo2.BMP", 94, 74, Bolt1) &&
           LoadSprite(&GroundDroid.object, "GroundDroid.BMP", 94, 74, EightFrames) &&
           LoadMembers(SkelGround.objects, SkelGroundCount, "SkelGround.BMP", 94, 74, EightFrames) &&
           LoadMembers(SkelShoot.objects, SkelShootCount, "SkelShoot.BMP", 94, 74, ThreeFrames) &&
           LoadMembers(SkelShoot.shots, SkelShootCount, "Ammo2.BMP", 94, 74, Bolt2) &&
           LoadSprite(&Devil.object, "Devil.BMP", 94, 74, EightFrames);
}

int LoadAssets()
{
    constexpr Cell Bolt0[] = {{0, 0, 0}};
    if (!LoadFullScreen(&TitlePicture, "title.bmp") || !LoadFullScreen(&DeathPicture, "death.bmp") ||
        !LoadFullScreen(&WinPicture, "win.bmp") || !LoadFullScreen(&StoryPicture, "story.bmp") || !LoadTiles() ||
        !LoadBackdrops() || !CheckLaterTileSheets() ||
        !LoadHero() || !LoadSprite(&HeroShotObject, "Ammo.BMP", 10, 10, Bolt0) || !LoadEnemies()) {
        return 0;
    }
    PlaceAllEnemies();
    HeroShotObject.posX = static_cast<float>(350 - WorldPosition);
    HeroShotObject.posY = static_cast<float>(319 - ViewOffsetY);
    return 1;
}

}  // namespace

int StartUp()
{
    if (!InitKeyboard()) return Fail("cannot open the keyboard");
    // Without a back buffer no frame could be drawn.
    if (!InitDisplay(640, 480, 8, 0)) return Fail("cannot set up the 640 x 480 8-bit display");
    InitMusic();
    if (!InitSound()) return Fail("cannot open the sound device");
    if (*SilentSoundReason()) std::fprintf(stderr, "quorax: no sound device (%s): the game plays silent\n", SilentSoundReason());
    PunchSound = LoadSound("Punch.wav");
    FireSound = LoadSound("Fire.wav");
    HitSound = LoadSound("Hit.wav");
    VoiceSound = LoadSound("QXVoice.wav");
    if (!LoadAssets()) return 0;
    // Every blit onto the back buffer stops above the bottom 32 rows.
    const RECT top{0, 0, TheDisplay.screenWidth, TheDisplay.screenHeight - 32};
    TheDisplay.backClipper = AttachClipper(TheDisplay.backSurface, 1, &top);
    ShowCursor(false);
    return 1;
}

const char* StartUpError() { return ErrorText; }
