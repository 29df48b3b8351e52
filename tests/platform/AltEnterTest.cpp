// The Enter of Alt+Enter reaches no screen, whatever order the keys go up in.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/AltEnter.h"

namespace {

struct Frame {
    bool alt, enter, seen;
};

TEST(AltEnter, TheChordsEnterIsHiddenUntilReleased) {
    const Frame frames[] = {
        {false, true, true},    // a plain Enter goes through
        {false, false, false},
        {true, false, false},   // Alt, then Enter with it: hidden
        {true, true, false},
        {false, true, false},   // Alt let go first: still the chord's Enter
        {false, false, false},
        {false, true, true},    // a new press shows again
        {true, true, true},     // Alt after Enter: not a chord for this press
    };
    AltEnterFilter filter;
    for (const int enter : {0x1C, 0x9C}) {
        int n = 0;
        for (const Frame& f : frames) {
            uint8_t state[kKeyStateSize] = {};
            state[0xB8] = f.alt ? kKeyDown : 0;
            state[enter] = f.enter ? kKeyDown : 0;
            filter.Apply(state);
            EXPECT_EQ(state[enter] == kKeyDown, f.seen) << std::hex << enter << " frame " << n++;
            EXPECT_EQ(state[0xB8] == kKeyDown, f.alt);
        }
    }
}

}  // namespace
