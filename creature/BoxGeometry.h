#pragma once
// A frame box placed in the arena at a position and facing, with its
// horizontal extent ordered (facing -1 swaps the sides).
#include "sdk/Bicho.h"

struct ArenaBox {
    float left;
    float top;
    float right;
    float bottom;
};

inline ArenaBox PlaceBox(const Box& box, const Frame& frame, float x, float y, int facing) {
    float f = static_cast<float>(facing);
    float a = x - (frame.anchorX - box.left) * f;
    float b = x + (box.right - frame.anchorX) * f;
    ArenaBox placed;
    placed.left = a < b ? a : b;
    placed.right = a < b ? b : a;
    placed.top = y - (frame.anchorY - box.top);
    placed.bottom = y + (box.bottom - frame.anchorY);
    return placed;
}

// Closed intervals: touching edges overlap.
inline bool BoxesOverlap(const ArenaBox& a, const ArenaBox& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}
