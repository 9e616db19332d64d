// The title: a jungle sunset, the name, the hero, and the keys.
#include "palette_design.h"
#include "picture_painting.h"
#include "pictures.h"
#include "sprites/sprites.h"
#include "text.h"

namespace {

void KeyLine(Canvas& c, int x, int y, const char* key, const char* what)
{
    const TextStyle keyStyle{Face::Mono, 15, {Col(RampYellow, 7), Col(RampYellow, 5)}, ExtraBlack, 0, 0};
    const TextStyle whatStyle{Face::Sans, 15, {Col(RampBone, 7)}, ExtraBlack, 0, 0};
    DrawText(c, x, y, key, keyStyle);
    DrawText(c, x + 150, y, what, whatStyle);
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

    Panel(c, 210, 170, 412, 266, ExtraNight, ExtraBlack, Col(RampYellow, 4));
    KeyLine(c, 230, 184, "F1 F2 F3 F4", "Start in land 1, 2, 3 or 4");
    KeyLine(c, 230, 208, "F5", "The story");
    KeyLine(c, 230, 232, "ESC", "Quit");
    const TextStyle head{Face::Sans, 14, {Col(RampOrange, 6)}, ExtraBlack, 0, 0};
    DrawText(c, 230, 266, "IN PLAY", head);
    KeyLine(c, 230, 290, "LEFT RIGHT", "Walk");
    KeyLine(c, 230, 314, "UP", "Jump");
    KeyLine(c, 230, 338, "DOWN", "Crouch");
    KeyLine(c, 230, 362, "SPACE", "Fire");
    KeyLine(c, 230, 386, "RIGHT ALT", "Punch");
    const TextStyle hint{Face::Sans, 12, {Col(RampGrey, 5)}, 0, 0, 0};
    DrawText(c, 230, 412, "Bullets are few: save them for the bosses.", hint);
    return c;
}
