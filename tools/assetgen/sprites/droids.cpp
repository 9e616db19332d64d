// The hovering gun droid and the tracked war machine boss.
#include "cast.h"
#include "gear.h"
#include "sprites.h"

namespace {

constexpr Mat Hull{RampSteel, 4};
constexpr Mat Armour{RampRust, 3};
constexpr Vec DroidMuzzle{75, 35};

void Flame(Canvas& c, int x, int y, int len)
{
    c.fillPolygon({{x - 3, y}, {x + 3, y}, {x, y + len}}, Col(RampLava, 4));
    c.fillPolygon({{x - 1, y}, {x + 1, y}, {x, y + len - 4}}, Col(RampLava, 7));
}

Canvas FlyDroid(bool firing)
{
    Canvas c(SpriteW, SpriteH);
    // Thrusters under the hull, flames roaring downward.
    for (int x : {38, 56}) {
        Flame(c, x, 48, firing ? 12 : 16);
        c.fillRect(x - 4, 42, 9, 7, Hull(-2));
        c.fillRect(x - 3, 42, 7, 5, Hull(0));
    }
    // Antenna with a beacon.
    c.line(44, 20, 40, 6, Col(RampGrey, 3), 1);
    c.fillCircle(40, 5, 2, Col(RampRed, 6));
    // Hull: a heavy disc with a visor band and one red eye.
    Blob(c, {47, 32}, 17, 12, Hull);
    c.fillRect(31, 34, 33, 3, Hull(-2));
    c.fillEllipse(54, 28, 8, 4, Col(RampTeal, 2));
    c.fillEllipse(56, 28, 4, 2, Col(RampRed, 6));
    c.fillRect(57, 27, 2, 1, Col(RampGrey, 7));
    for (int x = 34; x <= 44; x += 5) {
        c.set(x, 39, Col(RampYellow, 5));
    }
    // Gun pod under the chin, pointing forward.
    c.fillRect(56, 33, 14, 5, Col(RampGrey, 2));
    c.line(56, 33, 69, 33, Col(RampGrey, 4));
    c.fillRect(68, 34, 6, 3, Col(RampGrey, 1));
    if (firing) {
        DrawMuzzleFlash(c, DroidMuzzle, 4);
    }
    return c;
}

// Treads with road wheels; `phase` rolls the tread lugs and wheel spokes.
void Tracks(Canvas& c, int phase)
{
    c.fillEllipse(48, 65, 34, 8, Col(RampGrey, 1));
    c.fillRect(18, 58, 60, 15, Col(RampGrey, 1));
    for (int x = 14 + phase * 3; x < 82; x += 9) {
        c.fillRect(x, 71, 4, 2, Col(RampGrey, 3));
        c.fillRect(x + 2, 56, 4, 2, Col(RampGrey, 3));
    }
    for (int k = 0; k < 5; ++k) {
        const Vec w{22.0f + 13 * k, 65};
        Blob(c, w, 5, 5, Hull.darker(2));
        const Vec s = Dir(30.0f * phase + 45.0f * k) * 4.0f;
        const Point a = Px(w + s), b = Px(w - s);
        c.line(a.x, a.y, b.x, b.y, Col(RampGrey, 1));
    }
}

Canvas WarMachine(int phase, bool strike)
{
    Canvas c(SpriteW, SpriteH);
    const int bob = phase == 1 ? 1 : 0;
    // Shoulder cannon behind the cab.
    c.fillRect(14, 18 + bob, 26, 7, Col(RampGrey, 2));
    c.line(14, 18 + bob, 39, 18 + bob, Col(RampGrey, 4));
    c.fillRect(30, 16 + bob, 12, 12, Armour(-1));
    Tracks(c, phase);
    // Hull: armoured wedge with hazard stripes.
    RimPolygon(c, {{22, 56}, {24, 30 + bob}, {60, 24 + bob}, {74, 34 + bob}, {76, 56}}, Armour);
    for (int x = 26; x < 74; x += 8) {
        c.fillPolygon({{x, 54}, {x + 4, 54}, {x + 8, 48}, {x + 4, 48}}, Col(RampYellow, 5));
    }
    c.line(26, 31 + bob, 58, 26 + bob, Armour(2));
    for (int x = 30; x <= 66; x += 12) {
        c.fillRect(x, 40 + bob, 2, 2, Armour(-2));  // rivets
    }
    // Cab with a slit visor glowing red.
    RimPolygon(c, {{46, 25 + bob}, {50, 10 + bob}, {68, 8 + bob}, {74, 14 + bob}, {72, 26 + bob}}, Hull.darker());
    c.fillRect(58, 14 + bob, 14, 3, Col(RampRed, 6));
    c.line(60, 15 + bob, 70, 15 + bob, Col(RampOrange, 7));
    // Pincer arm: folded at rest, rammed forward in the strike.
    const Vec shoulder{66, 36.0f + bob};
    const Vec claw = strike ? Vec{88, 34} : Vec{76, 48};
    Segment(c, shoulder, strike ? Vec{78, 35} : Vec{72, 44}, 7, Hull.darker());
    Segment(c, strike ? Vec{78, 35} : Vec{72, 44}, claw, 6, Hull);
    const Point p = Px(claw);
    const int open = strike ? 5 : 2;
    c.line(p.x, p.y, p.x + 5, p.y - open, Col(RampGrey, 5), 2);
    c.line(p.x, p.y, p.x + 5, p.y + open, Col(RampGrey, 4), 2);
    if (strike) {
        DrawMuzzleFlash(c, {92, 34}, 2);
    }
    return c;
}

}  // namespace

Vec FlyDroidMuzzle()
{
    return DroidMuzzle;
}

Canvas DrawFlyDroidFrame(int f)
{
    return Finish(FlyDroid(f == 1), true);
}

Canvas DrawGroundDroidFrame(int f)
{
    const bool strike = f >= 6;
    const bool faceLeft = strike ? f == 6 : f < 3;
    return Finish(WarMachine(strike ? 0 : f % 3, strike), faceLeft);
}
