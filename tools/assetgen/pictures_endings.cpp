// The two endings: the hero's fall under a blood-red dusk, and his homecoming at dawn.
#include <cmath>
#include <numbers>

#include "palette_design.h"
#include "picture_painting.h"
#include "pictures.h"
#include "sprites/sprites.h"
#include "text.h"

Canvas DrawDeathPicture()
{
    Canvas c(PictureW, PictureH, ExtraBlack);
    SkyGradient(c, 0, 360,
                {ExtraBlack, ExtraBloodDark, Col(RampCrimson, 1), Col(RampCrimson, 2), Col(RampRed, 2),
                 Col(RampRed, 3), Col(RampLava, 2)});
    RadialGlow(c, 320, 330, 90, {Col(RampRed, 4), Col(RampRed, 3), Col(RampCrimson, 3), Col(RampCrimson, 2)});
    Mountains(c, 330, 90, 120, ExtraBloodDark, Col(RampCrimson, 2), 0x6006);
    Mountains(c, 370, 40, 50, ExtraBlack, 0, 0x7007);
    // The hero's sword, left standing in the ground where he fell.
    c.fillPolygon({{316, 250}, {324, 250}, {324, 352}, {320, 362}, {316, 352}}, ExtraBlack);
    c.fillRect(296, 262, 48, 7, ExtraBlack);
    c.fillCircle(320, 243, 6, ExtraBlack);
    c.line(318, 272, 318, 350, Col(RampCrimson, 3));
    c.fillRect(0, 366, PictureW, PictureH - 366, ExtraBlack);

    const TextStyle head{Face::Serif, 58,
                         {Col(RampRed, 7), Col(RampRed, 6), Col(RampRed, 5), Col(RampCrimson, 4)},
                         ExtraBlack, ExtraBloodDark, 4};
    DrawTextCentred(c, PictureW / 2, 40, "Quorax has fallen", head);
    const TextStyle body{Face::Sans, 17, {Col(RampBone, 6)}, ExtraBlack, 0, 0};
    DrawTextCentred(c, PictureW / 2, 128, "The shadow closes over the five lands once more.", body);
    DrawTextCentred(c, PictureW / 2, 152, "Rise again, and take up the sword.", body);
    const TextStyle enter{Face::Sans, 20, {Col(RampGrey, 7), Col(RampGrey, 5)}, ExtraBlack, 0, 0};
    DrawTextCentred(c, PictureW / 2, 396, "Press Enter or Start", enter);
    return c;
}

Canvas DrawWinPicture()
{
    Canvas c(PictureW, PictureH, ExtraBlack);
    SkyGradient(c, 0, 340,
                {Col(RampBlue, 3), Col(RampBlue, 4), Col(RampSky, 5), Col(RampSky, 6), Col(RampSky, 7),
                 Col(RampYellow, 7)});
    // Sun rays fanning out from behind the hills, as a light veil over the sky.
    Canvas rays(PictureW, PictureH);
    for (int ray = 0; ray < 14; ++ray) {
        const double a0 = std::numbers::pi * (1.0 + ray / 14.0), a1 = a0 + std::numbers::pi / 28.0;
        rays.fillPolygon({{320, 330},
                          {320 + static_cast<int>(700 * std::cos(a0)), 330 + static_cast<int>(700 * std::sin(a0))},
                          {320 + static_cast<int>(700 * std::cos(a1)), 330 + static_cast<int>(700 * std::sin(a1))}},
                         1);
    }
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < PictureW; ++x)
            if (rays.get(x, y) && (x + y) % 2 == 0) c.set(x, y, Col(RampSky, 7));
    RadialGlow(c, 320, 330, 80, {ExtraSun, Col(RampYellow, 7), Col(RampYellow, 6), Col(RampSky, 7)});
    Mountains(c, 330, 70, 140, Col(RampGreen, 3), Col(RampGreen, 5), 0x8008);
    Mountains(c, 370, 50, 90, Col(RampGreen, 2), Col(RampGreen, 4), 0x9009);
    Mountains(c, 410, 30, 70, Col(RampGreen, 1), Col(RampGreen, 3), 0xA00A);
    // Home: a cottage on the far hill with smoke from the chimney.
    c.fillRect(470, 300, 44, 30, Col(RampBone, 6));
    c.fillPolygon({{464, 302}, {492, 280}, {520, 302}}, Col(RampRust, 3));
    c.fillRect(486, 312, 10, 18, Col(RampBrown, 2));
    c.fillRect(502, 284, 6, 12, Col(RampRust, 2));
    for (int i = 0; i < 5; ++i) c.fillCircle(506 + i * 4, 276 - i * 7, 3 + i / 2, Col(RampGrey, 6));
    c.blit(ScaledUp(DrawHeroFrame(0), 2), 60, 436 - 2 * 74);

    const TextStyle head{Face::Serif, 78,
                         {Col(RampYellow, 7), Col(RampYellow, 6), Col(RampYellow, 5), Col(RampOrange, 5)},
                         Col(RampBrown, 0), Col(RampBrown, 2), 4};
    DrawTextCentred(c, PictureW / 2, 20, "Victory!", head);
    const TextStyle body{Face::Sans, 18, {Col(RampNavy, 1)}, Col(RampSky, 7), 0, 0};
    DrawTextCentred(c, PictureW / 2, 124, "The Devil is beaten and the five lands are free.", body);
    DrawTextCentred(c, PictureW / 2, 150, "Quorax has come home.", body);
    const TextStyle enter{Face::Sans, 20, {Col(RampYellow, 7), Col(RampYellow, 6)}, Col(RampBrown, 0), 0, 0};
    DrawTextCentred(c, PictureW / 2, 400, "Press Enter or Start", enter);
    return c;
}
