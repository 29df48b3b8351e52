#pragma once
// A player's recent input: stretches of time with unchanged flags, newest
// first, covering less than half a second; and the special moves read from it.
#include <cstdint>

struct KeyHistoryNode {
    uint32_t flags;
    float duration;
    KeyHistoryNode* older;
    KeyHistoryNode* newer;
};

constexpr uint32_t kSpecialDownForward = 0x400;   // down, down+forward, forward, punch 1
constexpr uint32_t kSpecialForwardTwice = 0x800;  // forward, forward, punch 1
constexpr uint32_t kSpecialDownBack = 0x20000;    // down, down+back, back, punch 1
constexpr uint32_t kSpecialBackForward = 0x10000; // down, back, forward, punch 1
constexpr float kHistorySpan = 0.5f;

// Extends the newest node when the flags are unchanged, else puts a new one
// in front; then drops the nodes beyond half a second.
void HistoryAdd(KeyHistoryNode** newest, uint32_t flags, float dt);
// Deletes the node and every older one.
void HistoryFreeFrom(KeyHistoryNode** newest, KeyHistoryNode* node);
void HistoryClear(KeyHistoryNode** newest);
// The special-move bit the history ends with, or 0.
uint32_t HistoryRecognise(const KeyHistoryNode* newest);
