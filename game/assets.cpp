#include "game/assets.h"

BitmapFile ScratchBitmap;

BlitterObject TitlePicture;
BlitterObject DeathPicture;
BlitterObject WinPicture;
BlitterObject StoryPicture;
BlitterObject TileSetObject;
BlitterObject HeroObject;
BlitterObject HeroShotObject;

int PunchSound = -1;
int FireSound = -1;
int HitSound = -1;
int VoiceSound = -1;

const int HeroAnimTable[8][4] = {
    {0, 1, 0, 2},     {4, 5, 4, 6},     {8, 8, 8, 8},     {12, 12, 12, 12},
    {16, 16, 16, 16}, {20, 20, 20, 20}, {24, 24, 24, 24}, {28, 29, 28, 30},
};
