#include "tools/sim/simulator.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/main_loop.h"
#include "app/pause.h"
#include "app/screens.h"
#include "app/startup.h"
#include "display/display.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/hero.h"
#include "game/world.h"
#include "input/frame_clock.h"
#include "input/keyboard.h"
#include "tools/sim/state_dump.h"

namespace {

uint8_t HeldKeys[256];
uint32_t FakeTicks = 0;
int ExitCode = 0;
std::string Error;

uint32_t FakeClock() { return FakeTicks; }
void FakeSleep(uint32_t ms) { FakeTicks += ms; }

struct KeyName {
    const char* name;
    int code;
};
constexpr KeyName KeyNames[] = {
    {"LEFT", DIK_LEFT},     {"RIGHT", DIK_RIGHT}, {"UP", DIK_UP},   {"DOWN", DIK_DOWN}, {"SPACE", DIK_SPACE},
    {"RALT", DIK_RMENU},    {"ESCAPE", DIK_ESCAPE}, {"RETURN", DIK_RETURN}, {"F1", DIK_F1}, {"F2", DIK_F2},
    {"F3", DIK_F3},         {"F4", DIK_F4},       {"F5", DIK_F5},     {"P", DIK_P},       {"PAUSE", DIK_PAUSE},
    {"M", DIK_M},
};

// The generated pictures lie beside the programs; a simulator started elsewhere looks there.
bool EnterAssetFolder()
{
    if (std::filesystem::exists("title.bmp")) return true;
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) return false;
    std::filesystem::current_path(program.parent_path(), failed);
    return !failed;
}

void Line(std::ostream& out, const char* name, int value) { out << name << '=' << value << '\n'; }

void Line(std::ostream& out, const char* name, bool value) { out << name << '=' << (value ? 1 : 0) << '\n'; }

void Line(std::ostream& out, const char* name, float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    out << name << '=' << text << '\n';
}

}  // namespace

bool StartSimulator()
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!EnterAssetFolder()) {
        Error = "cannot find the folder of the asset files";
        return false;
    }
    SetClockSource(FakeClock, FakeSleep);
    UseScriptedKeys(HeldKeys);
    if (!StartUp()) {
        Error = std::string("start-up failed: ") + StartUpError();
        return false;
    }
    return true;
}

const char* SimulatorError() { return Error.c_str(); }

int KeyCodeNamed(const std::string& name)
{
    for (const KeyName& key : KeyNames) {
        if (name == key.name) return key.code;
    }
    return -1;
}

void HoldKeys(const std::vector<int>& keyCodes)
{
    std::memset(HeldKeys, 0, sizeof HeldKeys);
    for (int code : keyCodes) {
        if (code >= 0 && code < 256) HeldKeys[code] = 0x80;
    }
}

bool RunPass()
{
    if (!MainLoopPass(&ExitCode)) return false;
    WaitForNextPass();
    return true;
}

bool RunPasses(int count, const std::vector<int>& keyCodes)
{
    HoldKeys(keyCodes);
    for (int i = 0; i < count; ++i) {
        if (!RunPass()) return false;
    }
    return true;
}

int SimulatorExitCode() { return ExitCode; }

unsigned SimulatedTime() { return FakeTicks; }

void DumpGameState(std::ostream& out)
{
    Line(out, "GameState", GameState);
    Line(out, "WorldPosition", WorldPosition);
    Line(out, "ViewOffsetY", ViewOffsetY);
    Line(out, "SegmentNumber", SegmentNumber);
    Line(out, "HeroHealth", HeroHealth);
    Line(out, "HeroAmmo", HeroAmmo);
    for (int i = 0; i < 4; ++i) {
        const std::string name = "TileSetLoaded[" + std::to_string(i) + "]";
        Line(out, name.c_str(), TileSetLoaded[i]);
    }
    Line(out, "BetweenSegments", BetweenSegments);
    Line(out, "AnimateHero", AnimateHero);
    Line(out, "ActionPose", ActionPose);
    Line(out, "WallAhead", WallAhead);
    Line(out, "PunchActive", PunchActive);
    Line(out, "BossPunched", BossPunched);
    Line(out, "ActionSoundPlayed", ActionSoundPlayed);
    Line(out, "BlockWalkLeft", BlockWalkLeft);
    Line(out, "BlockWalkRight", BlockWalkRight);
    Line(out, "ShotInFlight", ShotInFlight);
    Line(out, "HeroShotTravel", HeroShotTravel);
    Line(out, "ShotFlyingRight", ShotFlyingRight);
    Line(out, "ShotFlyingLeft", ShotFlyingLeft);
    Line(out, "ShotBlocked", ShotBlocked);
    Line(out, "HeroJumping", HeroJumping);
    Line(out, "JumpCounter", JumpCounter);
    Line(out, "JumpOffset", JumpOffset);
    Line(out, "LedgeContact", LedgeContact);
    Line(out, "StepDownActive", StepDownActive);
    Line(out, "StepDownFrames", StepDownFrames);
    Line(out, "VoicePlayed", VoicePlayed);
    Line(out, "GamePaused", GamePaused);
    Line(out, "HeroObject.posX", HeroObject.posX);
    Line(out, "HeroObject.posY", HeroObject.posY);
    Line(out, "HeroObject.currentAnim", HeroObject.currentAnim);
    Line(out, "HeroObject.currentFrame", HeroObject.currentFrame);
    Line(out, "HeroObject.animStep", HeroObject.animStep);
    Line(out, "HeroObject.animTicks", HeroObject.animTicks);
    Line(out, "HeroShotObject.posX", HeroShotObject.posX);
    Line(out, "HeroShotObject.posY", HeroShotObject.posY);
    DumpEnemyState(out);
}

void TraceLine(std::ostream& out, int pass)
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "pass=%d GameState=%d WorldPosition=%d ViewOffsetY=%d HeroHealth=%d HeroAmmo=%d "
                  "HeroObject.posY=%.1f JumpOffset=%d",
                  pass, GameState, WorldPosition, ViewOffsetY, HeroHealth, HeroAmmo,
                  static_cast<double>(HeroObject.posY), JumpOffset);
    out << text << '\n';
}

bool SaveScreenshot(const std::string& file)
{
    return TheDisplay.backSurface && SDL_SaveBMP(TheDisplay.backSurface, file.c_str()) == 0;
}
