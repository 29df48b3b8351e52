#pragma once
// The two players' key bindings as the game stores them in cfg\tecladoDI.cfg:
// 20 raw bytes, player 1's ten DIK codes then player 2's, no header.
#include <cstdint>

constexpr int kPlayerCount = 2;
constexpr int kBindingsPerPlayer = 10;
constexpr int kBindingsFileSize = kPlayerCount * kBindingsPerPlayer;

extern const char kKeyBindingsPath[];  // "cfg\\tecladoDI.cfg"

// Binding order: up, down, left, right, punch 1, kick 1, punch 2, kick 2,
// punch 3, kick 3.
struct KeyBindings {
    uint8_t keys[kPlayerCount][kBindingsPerPlayer];
};

// The tool's own defaults (not the game's): arrows and RCONTROL for player 1,
// W S A D and TAB for player 2.
KeyBindings DefaultKeyBindings();

// Reads up to 20 bytes into `bindings`, one at a time; the bytes the file
// does not hold keep what `bindings` had. Returns how many bytes were read
// (0 when the file does not open).
int ReadKeyBindings(const char* path, KeyBindings* bindings);

// Writes the 20 bytes aside and renames them into place, so the old file
// survives a failure. Returns 1 on success, 0 on failure.
int WriteKeyBindings(const char* path, const KeyBindings& bindings);

// Whether `code` is held by any of the twenty bindings.
bool IsKeyBound(const KeyBindings& bindings, uint8_t code);
