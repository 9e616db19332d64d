// The story: a moonlit night over the lands, and the tale of the journey.
#include "palette_design.h"
#include "picture_painting.h"
#include "pictures.h"
#include "text.h"

Canvas DrawStoryPicture()
{
    Canvas c(PictureW, PictureH, ExtraBlack);
    SkyGradient(c, 0, 400,
                {ExtraNight, ExtraNight, Col(RampNavy, 1), Col(RampNavy, 2), Col(RampSky, 1), Col(RampPurple, 2)});
    Stars(c, 260, 380, 0x5757);
    RadialGlow(c, 560, 70, 48, {Col(RampNavy, 3), Col(RampNavy, 2), Col(RampNavy, 1)});
    RadialGlow(c, 560, 70, 26, {Col(RampBone, 7), Col(RampBone, 7), Col(RampBone, 6), Col(RampIce, 5)});
    c.fillCircle(552, 64, 4, Col(RampBone, 5));
    c.fillCircle(566, 78, 3, Col(RampBone, 5));
    Mountains(c, 380, 90, 130, Col(RampNavy, 1), Col(RampSky, 2), 0x4004);
    Mountains(c, 420, 50, 70, ExtraBlack, 0, 0x5005);

    Panel(c, 36, 24, 568, 410, ExtraNight, ExtraBlack, Col(RampBone, 3));
    const TextStyle title{Face::Serif, 34,
                          {Col(RampYellow, 7), Col(RampYellow, 6), Col(RampYellow, 5), Col(RampOrange, 5)},
                          ExtraBlack, Col(RampCrimson, 1), 3};
    DrawTextCentred(c, PictureW / 2, 38, "The Legend of Quorax", title);

    const TextStyle body{Face::Sans, 15, {Col(RampBone, 7)}, ExtraBlack, 0, 0};
    const TextStyle land{Face::Sans, 15, {Col(RampYellow, 6)}, ExtraBlack, 0, 0};
    const char* lines[][2] = {
        {"", "The Devil has cast five lands into shadow."},
        {"", "Quorax, a lone warrior, sets out to win them back."},
        {"1", "Through the prehistoric jungle, where dinosaurs roam"},
        {"", "and the great red dinosaur breathes fire;"},
        {"2", "past the pirate harbour and its fortress, guarded"},
        {"", "by archers and a deadly ninja;"},
        {"3", "into the military base of army men and flying droids,"},
        {"", "where the ground droid rolls;"},
        {"4", "down to the underworld of skeletons, to face the Devil;"},
        {"5", "and at last, the bright road home."},
    };
    int y = 96;
    for (const auto& line : lines) {
        if (line[0][0]) DrawText(c, 70, y, line[0], land);
        DrawText(c, 92, y, line[1], body);
        y += line[0][0] && y > 96 ? 30 : 26;
    }
    const TextStyle enter{Face::Sans, 20, {Col(RampYellow, 7), Col(RampOrange, 5)}, ExtraBlack, 0, 0};
    DrawTextCentred(c, PictureW / 2, 396, "Press Enter or Start", enter);
    return c;
}
