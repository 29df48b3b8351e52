#include "input/TecladoHistory.h"

namespace {

constexpr uint32_t kDown = kInputDown, kBack = kInputLeft, kForward = kInputRight,
                   kPunch1 = kInputPunch1;

// The recogniser walks from the newest stretch back in time, so a move's
// keys are met in reverse order: punch 1 first.
enum RecogniserState { kWaitPunch, kWaitFirstDir, kAfterForward, kAfterDownForward,
                       kAfterBack, kAfterDownBack, kAfterBackForward };

}  // namespace

void HistoryFreeFrom(KeyHistoryNode** newest, KeyHistoryNode* node) {
    if (!node) return;
    if (node->newer)
        node->newer->older = nullptr;
    else
        *newest = nullptr;
    while (node) {
        KeyHistoryNode* older = node->older;
        delete node;
        node = older;
    }
}

void HistoryClear(KeyHistoryNode** newest) { HistoryFreeFrom(newest, *newest); }

void HistoryAdd(KeyHistoryNode** newest, uint32_t flags, float dt) {
    if (!*newest || (*newest)->flags != flags) {
        KeyHistoryNode* node = new KeyHistoryNode{flags, dt, *newest, nullptr};
        if (*newest) (*newest)->newer = node;
        *newest = node;
    } else {
        (*newest)->duration += dt;
    }
    float sum = 0.0f;
    for (KeyHistoryNode* node = *newest; node; node = node->older) {
        sum += node->duration;
        if (sum >= kHistorySpan) {
            HistoryFreeFrom(newest, node);
            break;
        }
    }
}

uint32_t HistoryRecognise(const KeyHistoryNode* newest) {
    int state = kWaitPunch;
    for (const KeyHistoryNode* node = newest; node; node = node->older) {
        uint32_t f = node->flags;
        if (f == 0) continue;
        switch (state) {
        case kWaitPunch:
            if (f == kPunch1) state = kWaitFirstDir;
            break;
        case kWaitFirstDir:
            if (f == kForward) state = kAfterForward;
            else if (f == kBack) state = kAfterBack;
            break;
        case kAfterForward:
            if (f == (kDown | kForward)) state = kAfterDownForward;
            else if (f == kForward) return kSpecialForwardTwice;
            else if (f == kBack) state = kAfterBackForward;
            break;
        case kAfterDownForward:
            if (f == kDown) return kSpecialDownForward;
            break;
        case kAfterBack:
            if (f == (kDown | kBack)) state = kAfterDownBack;
            break;
        case kAfterDownBack:
            if (f == kDown) return kSpecialDownBack;
            break;
        case kAfterBackForward:
            if (f == kDown) return kSpecialBackForward;
            break;
        }
    }
    return 0;
}
