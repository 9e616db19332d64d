#include "input/gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "input/keyboard.h"

namespace {

// A third of the stick's travel: a resting stick that does not centre exactly walks nobody.
constexpr Sint16 DeadZone = 32767 / 3;

struct ButtonKey {
    SDL_GameControllerButton button;
    int code;
};

constexpr ButtonKey ButtonKeys[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, DIK_LEFT}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, DIK_RIGHT},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, DIK_UP},     {SDL_CONTROLLER_BUTTON_DPAD_DOWN, DIK_DOWN},
    {SDL_CONTROLLER_BUTTON_A, DIK_UP},           {SDL_CONTROLLER_BUTTON_X, DIK_SPACE},
    {SDL_CONTROLLER_BUTTON_B, DIK_RMENU},
};

struct Pad {
    SDL_GameController* controller;
    bool startDown;
    int startMeans;  // the key Start stood for when it went down
};

std::vector<Pad> pads;
bool started = false;
int startKey = -1;
std::string mappingFile;  // where the player can put a mapping line; empty: none is read
std::string mappingError;

bool Held(SDL_GameController* pad, SDL_GameControllerButton button)
{
    return SDL_GameControllerGetButton(pad, button) != 0;
}

void AddKeysOf(Pad& held, uint8_t keys[256])
{
    SDL_GameController* pad = held.controller;
    for (const ButtonKey& pair : ButtonKeys) {
        if (Held(pad, pair.button)) keys[pair.code] = 0x80;
    }
    const Sint16 x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    const Sint16 y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    if (x < -DeadZone) keys[DIK_LEFT] = 0x80;
    if (x > DeadZone) keys[DIK_RIGHT] = 0x80;
    if (y < -DeadZone) keys[DIK_UP] = 0x80;
    if (y > DeadZone) keys[DIK_DOWN] = 0x80;
    const bool back = Held(pad, SDL_CONTROLLER_BUTTON_BACK);
    const bool start = Held(pad, SDL_CONTROLLER_BUTTON_START);
    // Start keeps the meaning of the screen it was pressed on: held on into the next screen it
    // does not act there too.
    if (start && !held.startDown) held.startMeans = startKey;
    held.startDown = start;
    if (back && start) {
        keys[DIK_ESCAPE] = 0x80;  // together they mean only this
        return;
    }
    if (back) keys[DIK_F5] = 0x80;
    if (start && held.startMeans >= 0) keys[held.startMeans] = 0x80;
}

SDL_JoystickID InstanceOf(const Pad& pad)
{
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad.controller));
}

void Open(int deviceIndex)
{
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return;
    // Opening a pad twice only counts SDL's reference up: give the second one back.
    if (std::any_of(pads.begin(), pads.end(), [&](const Pad& open) { return open.controller == pad; }))
        SDL_GameControllerClose(pad);
    else
        pads.push_back(Pad{pad, false, -1});
}

// Whether SDL now maps the GUID some line of the file starts with. A file whose lines only
// replace mappings SDL already had adds none, yet SDL took them.
bool MapsSomeLine(const std::filesystem::path& file)
{
    std::ifstream lines(file);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find(',') != 32) continue;
        char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(line.substr(0, 32).c_str()));
        const bool mapped = mapping != nullptr;
        SDL_free(mapping);
        if (mapped) return true;
    }
    return false;
}

// The player learns which device it is and the shape of the line that would make it a pad.
void ReportUnmapped(int deviceIndex)
{
    char guid[33];  // 32 hex digits
    SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(deviceIndex), guid, sizeof guid);
    const char* name = SDL_JoystickNameForIndex(deviceIndex);
    if (!name) name = "";
    std::fprintf(stderr, "quorax: the joystick \"%s\" (GUID %s) has no pad mapping: the game does not use it\n",
                 name, guid);
    const std::string where = mappingFile.empty() ? "" : "\"" + mappingFile + "\" or ";
    std::fprintf(stderr,
                 "quorax: to play with it, add the line \"%s,%s,a:b0,b:b1,...,platform:%s,\" with its own "
                 "button numbers to %sSDL_GAMECONTROLLERCONFIG\n",
                 guid, name, SDL_GetPlatform(), where.c_str());
}

}  // namespace

int InitGamepads()
{
    if (!started) {
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return 0;
        started = true;
    }
    return 1;
}

void ShutdownGamepads()
{
    for (const Pad& pad : pads) SDL_GameControllerClose(pad.controller);
    pads.clear();
    if (started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

int UsePadMappingFile(const std::filesystem::path& file)
{
    mappingFile = file.string();
    std::error_code unknown;
    if (!std::filesystem::exists(file, unknown)) return 0;
    const int added = SDL_GameControllerAddMappingsFromFile(mappingFile.c_str());
    if (added > 0 || (added == 0 && MapsSomeLine(file))) return added;
    // SDL passes over a line it cannot use without a word; most often it lacks its platform.
    mappingError = added < 0 ? SDL_GetError()
                             : std::string("no line in it is a mapping ending in platform:") + SDL_GetPlatform() + ",";
    return -1;
}

const char* PadMappingError() { return mappingError.c_str(); }

void HandleGamepadEvent(const SDL_Event& event)
{
    if (!started) return;
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        Open(event.cdevice.which);
    } else if (event.type == SDL_JOYDEVICEADDED) {
        // A joystick plugged in before the mapping file was read has had no controller event:
        // it is opened here. One mapped all along is opened on both events, and kept once.
        if (SDL_IsGameController(event.jdevice.which))
            Open(event.jdevice.which);
        else
            ReportUnmapped(event.jdevice.which);
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        // Here `which` names the pad's instance, not its device index.
        const auto gone = std::find_if(pads.begin(), pads.end(),
                                       [&](const Pad& pad) { return InstanceOf(pad) == event.cdevice.which; });
        if (gone == pads.end()) return;
        SDL_GameControllerClose(gone->controller);
        pads.erase(gone);
    }
}

int OpenGamepadCount() { return static_cast<int>(pads.size()); }

bool PadInUse(const SDL_Event& event)
{
    if (event.type == SDL_CONTROLLERBUTTONDOWN) return true;
    return event.type == SDL_CONTROLLERAXISMOTION && (event.caxis.value > DeadZone || event.caxis.value < -DeadZone);
}

void SetPadStartKey(int keyCode) { startKey = keyCode; }

void AddPadKeys(uint8_t keys[256])
{
    for (Pad& pad : pads) AddKeysOf(pad, keys);
}

bool PadHoldsKey(int keyCode)
{
    if (pads.empty() || keyCode < 0 || keyCode > 255) return false;
    uint8_t keys[256];
    std::memset(keys, 0, sizeof keys);
    AddPadKeys(keys);
    return keys[keyCode] != 0;
}
