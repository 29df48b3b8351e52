#pragma once
// A player's recent input: stretches of time with unchanged flags, newest
// first, covering less than half a second; and the special moves read from it.
#include <cstdint>

#include "sdk/InputBits.h"

struct KeyHistoryNode {
    uint32_t flags;
    float duration;
    KeyHistoryNode* older;
    KeyHistoryNode* newer;
};

constexpr uint32_t kSpecialDownForward = kInputSpecialDownForward;
constexpr uint32_t kSpecialForwardTwice = kInputSpecialForwardTwice;
constexpr uint32_t kSpecialDownBack = kInputSpecialDownBack;
constexpr uint32_t kSpecialBackForward = kInputSpecialBackForward;
constexpr float kHistorySpan = 0.5f;

// Extends the newest node when the flags are unchanged, else puts a new one
// in front; then drops the nodes beyond half a second.
void HistoryAdd(KeyHistoryNode** newest, uint32_t flags, float dt);
// Deletes the node and every older one.
void HistoryFreeFrom(KeyHistoryNode** newest, KeyHistoryNode* node);
void HistoryClear(KeyHistoryNode** newest);
// The special-move bit the history ends with, or 0.
uint32_t HistoryRecognise(const KeyHistoryNode* newest);
