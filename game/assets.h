#pragma once
// The pictures, sprites and sounds that start-up makes and the screens and the game draw.
#include "blitter/blitter_object.h"
#include "display/bitmap_file.h"

extern BitmapFile ScratchBitmap;  // every picture file passes through this one record

extern BlitterObject TitlePicture;
extern BlitterObject DeathPicture;
extern BlitterObject WinPicture;
extern BlitterObject StoryPicture;
extern BlitterObject TileSetObject;
extern BlitterObject HeroObject;
extern BlitterObject HeroShotObject;

extern int PunchSound;
extern int FireSound;
extern int HitSound;
extern int VoiceSound;

extern const int HeroAnimTable[8][4];
