#pragma once
// The game's set of known keys: DirectInput keyboard scan codes (DIK_*) with
// their names, and the tables that turn a platform's key codes into them.
// Shared by the game and the key configuration tool.
#include <cstdint>

constexpr int kKeyNameCount = 143;

// Parallel arrays in ascending code order, ESCAPE (0x01) to MAIL (0xEC).
// Names carry no "DIK_" prefix.
extern const char* const kKeyNames[kKeyNameCount];
extern const uint8_t kKeyCodes[kKeyNameCount];

// Position of a code in the table, or -1 when the code is not a known key.
int KeyTableIndex(int code);
// Name of a code ("RETURN"), or null when the code is not a known key.
const char* KeyNameForCode(int code);
// Code of a name without the prefix ("RETURN"), or 0 when unknown.
uint8_t KeyCodeForName(const char* name);

// DirectInput codes of keys that are not in the name table but that a PC
// keyboard reports.
constexpr uint8_t kDikMediaSelect = 0xED;

// Translation of platform key codes; 0 means the key has no DIK code.
// SDL scancodes (SDL_Scancode values).
uint8_t DikFromSdlScancode(int scancode);
// Linux input key codes (KEY_* of linux/input-event-codes.h).
uint8_t DikFromEvdevCode(int code);
// X server hardware key codes (evdev code + 8, as GDK's hardware_keycode).
uint8_t DikFromXKeycode(int keycode);
