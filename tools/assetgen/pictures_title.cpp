// The title: a jungle sunset, the name, the hero, and the keys.
#include "palette_design.h"
#include "picture_painting.h"
#include "pictures.h"
#include "sprites/sprites.h"
#include "text.h"

namespace {

// The key panel's three columns: the keyboard's key, the gamepad's button, what they do.
constexpr int KeyColumn = 224;
constexpr int PadColumn = 344;
constexpr int WhatColumn = 458;
constexpr int RowHeight = 18;

void KeyLine(Canvas& c, int y, const char* key, const char* pad, const char* what)
{
    const TextStyle keyStyle{Face::Mono, 13, {Col(RampYellow, 7), Col(RampYellow, 5)}, ExtraBlack, 0, 0};
    const TextStyle padStyle{Face::Mono, 13, {Col(RampIce, 7), Col(RampIce, 6)}, ExtraBlack, 0, 0};
    const TextStyle whatStyle{Face::Sans, 13, {Col(RampBone, 7)}, ExtraBlack, 0, 0};
    DrawText(c, KeyColumn, y, key, keyStyle);
    DrawText(c, PadColumn, y, pad, padStyle);
    DrawText(c, WhatColumn, y, what, whatStyle);
}

void Heading(Canvas& c, int y, const char* text)
{
    const TextStyle head{Face::Sans, 12, {Col(RampOrange, 6)}, ExtraBlack, 0, 0};
    DrawText(c, KeyColumn, y, text, head);
}

}  // namespace

Canvas DrawTitlePicture()
{
    Canvas c(PictureW, PictureH, ExtraBlack);
    SkyGradient(c, 0, 330,
                {ExtraNight, Col(RampNavy, 2), Col(RampSky, 1), Col(RampPurple, 3), Col(RampMagenta, 3),
                 Col(RampPink, 4), Col(RampOrange, 5), Col(RampYellow, 6)});
    Stars(c, 140, 140, 0x7171);
    RadialGlow(c, 118, 236, 56, {ExtraSun, Col(RampYellow, 7), Col(RampYellow, 6), Col(RampOrange, 5)});
    Mountains(c, 285, 120, 150, Col(RampPurple, 2), Col(RampPink, 3), 0x1001);
    Mountains(c, 320, 80, 90, Col(RampNavy, 1), Col(RampPurple, 3), 0x2002);
    Mountains(c, 360, 50, 60, ExtraJungleDark, 0, 0x3003);
    PalmTree(c, 90, 380, 150, 40, ExtraBlack);
    PalmTree(c, 600, 390, 170, -50, ExtraBlack);
    PalmTree(c, 530, 400, 110, 30, ExtraBlack);
    c.fillRect(0, 392, PictureW, PictureH - 392, ExtraBlack);

    const TextStyle name{Face::Serif, 104,
                         {Col(RampYellow, 7), Col(RampYellow, 6), Col(RampYellow, 5), Col(RampOrange, 5),
                          Col(RampOrange, 4), Col(RampLava, 3)},
                         ExtraBlack, Col(RampCrimson, 1), 5};
    DrawTextCentred(c, PictureW / 2, 6, "QUORAX", name);
    const TextStyle tagline{Face::Sans, 16, {Col(RampBone, 7)}, ExtraBlack, 0, 0};
    DrawTextCentred(c, PictureW / 2, 134, "A hero's journey through five lands", tagline);

    // The hero himself, twice his size, standing on the ridge.
    c.blit(ScaledUp(DrawHeroFrame(0), 2), 8, 440 - 2 * 74);

    Panel(c, 210, 160, 418, 290, ExtraNight, ExtraBlack, Col(RampYellow, 4));
    int y = 168;
    const TextStyle columns{Face::Sans, 12, {Col(RampGrey, 6)}, ExtraBlack, 0, 0};
    DrawText(c, KeyColumn, y, "KEYBOARD", columns);
    DrawText(c, PadColumn, y, "GAMEPAD", columns);
    KeyLine(c, y += RowHeight, "F1 F2 F3 F4", "START: 1", "Start in land 1-4");
    KeyLine(c, y += RowHeight, "F5", "BACK", "The story");
    KeyLine(c, y += RowHeight, "ESC", "BACK+START", "Quit");
    Heading(c, y += RowHeight + 3, "IN PLAY");
    KeyLine(c, y += RowHeight - 2, "LEFT RIGHT", "D-PAD STICK", "Walk");
    KeyLine(c, y += RowHeight, "UP", "A", "Jump");
    KeyLine(c, y += RowHeight, "DOWN", "D-PAD STICK", "Crouch");
    KeyLine(c, y += RowHeight, "SPACE", "X", "Fire");
    KeyLine(c, y += RowHeight, "RIGHT ALT", "B", "Punch");
    KeyLine(c, y += RowHeight, "P  PAUSE", "START", "Pause, go on");
    Heading(c, y += RowHeight + 3, "ANYWHERE");
    KeyLine(c, y += RowHeight - 2, "F11", "", "Full screen");
    KeyLine(c, y += RowHeight, "M", "", "Music on/off");
    const TextStyle hint{Face::Sans, 11, {Col(RampGrey, 5)}, 0, 0, 0};
    DrawText(c, KeyColumn, y + RowHeight + 2, "Bullets are few: save them for the bosses.", hint);
    return c;
}
