#include <gtest/gtest.h>

#include "input/Teclado.h"

namespace {

TEST(ScreenDirections, UndoesTheMirrorOfAFighterFacingLeft) {
    // Facing right nothing changes.
    EXPECT_EQ(ScreenDirections(0x8 | 0x20, 1), 0x8u | 0x20u);
    EXPECT_EQ(ScreenDirections(0x4, 1), 0x4u);
    // Facing left, "forward" (0x8) is the left of the screen again.
    EXPECT_EQ(ScreenDirections(0x8 | 0x1, -1), 0x4u | 0x1u);
    EXPECT_EQ(ScreenDirections(0x4 | 0x400, -1), 0x8u | 0x400u);
    // Both or neither: nothing to swap.
    EXPECT_EQ(ScreenDirections(0xC, -1), 0xCu);
    EXPECT_EQ(ScreenDirections(0x2 | 0x800, -1), 0x2u | 0x800u);
}

}  // namespace
