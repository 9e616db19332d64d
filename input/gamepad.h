#pragma once
// Gamepads through SDL's game controller mapping (its own database of common pads;
// SDL_GAMECONTROLLERCONFIG and a mapping file describe others): any number, plugged in and out
// while the game runs. A joystick SDL cannot map does nothing; it is named on stderr with its
// GUID and where its mapping line goes, once each time it is plugged in.
//
// A pad holds the same key codes the keyboard does, and the play frame's KeyState and the
// screens' key query see both together: a key held on the keyboard and on a pad counts once,
// and letting go of one leaves it held by the other.
//
//   D-pad, left stick   the arrow keys (the stick past a third of its travel)
//   A (south)           up, which jumps
//   X (west)            space, fire
//   B (east)            right Alt, punch
//   Start               the key the main loop names for the screen on show
//   Back                F5
//   Back with Start     Escape
#include <cstdint>
#include <filesystem>

union SDL_Event;

// Starts SDL's game controller part; pads already plugged in then arrive as events.
// 1 ready, 0 failed (the keyboard still plays).
int InitGamepads();
void ShutdownGamepads();
// Adds the mappings in file (lines as in SDL's gamecontrollerdb.txt); called once the pads are
// started and before the first event reaches HandleGamepadEvent, it maps pads plugged in at
// start too. The file is then the one named for a joystick SDL cannot map. The number of
// mappings added (0 too when there is no such file, or when its lines only replace SDL's own);
// -1 when SDL takes nothing from it (PadMappingError says why).
int UsePadMappingFile(const std::filesystem::path& file);
const char* PadMappingError();
// Opens a pad that was plugged in, closes one that was pulled out, names a joystick that was
// plugged in but has no mapping; other events are ignored.
// The message pump hands every SDL event here.
void HandleGamepadEvent(const SDL_Event& event);
int OpenGamepadCount();
// Whether the event is a pad's button pressed or its stick pushed past the dead zone.
bool PadInUse(const SDL_Event& event);

// The key code Start stands for from now on (-1: none). A press keeps the meaning it had when
// the button went down until it is let go, so that one press does not run through several
// screens (Enter on the death screen, held on, is not F1 on the title).
void SetPadStartKey(int keyCode);

// Marks every key code a pad holds as held in keys (256 bytes indexed by key code).
void AddPadKeys(uint8_t keys[256]);
bool PadHoldsKey(int keyCode);
