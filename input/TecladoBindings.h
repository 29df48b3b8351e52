#pragma once
// The two players' key bindings and their file cfg\tecladoDI.cfg: 20 raw
// bytes, player 1's ten codes in binding-index order, then player 2's.
#include <cstdint>
#include <string>

constexpr int kBindingCount = 10;
constexpr int kBindingFileSize = 2 * kBindingCount;
extern const char kBindingsPath[];  // "cfg\\tecladoDI.cfg"

// The InputFlags bit of each binding index (up, down, left, right, punch 1,
// kick 1, punch 2, kick 2, punch 3, kick 3).
extern const uint32_t kBindingBits[kBindingCount];

// Binding index of a bit, or -1 when the bit is not one of the ten.
int BindingIndexOfBit(uint32_t bit);

void SetDefaultBindings(uint8_t bindings[2][kBindingCount]);
// Overwrites the bindings with as many bytes as the file holds (at most 20);
// the rest keep their values. Returns the number of bytes read, 21 when the
// file is longer than 20 bytes, -1 when it does not open.
int ReadBindings(const char* path, uint8_t bindings[2][kBindingCount]);
// After ReadBindings answered `count` (0 to 21): puts the defaults where the
// file is wrong (a longer file, a code outside the key table) and says what
// it did; empty for a sound 20-byte file.
std::string CheckBindings(int count, uint8_t bindings[2][kBindingCount]);
// Replaces the file as a whole (written aside, then renamed into place).
// Returns 1 on success, 0 when it could not be written.
int WriteBindings(const char* path, const uint8_t bindings[2][kBindingCount]);
