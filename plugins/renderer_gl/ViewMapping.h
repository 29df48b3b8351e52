#pragma once
// From the game's screen fractions to the window: the 4:3 picture sits
// letterboxed in the window; the view scale never shows more than the
// screen (see ViewExtent).

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;  // y counted from the bottom (GL)
};

constexpr float kNormalViewScale = 70.0f;
constexpr float kMinViewScale = 1.0f;
constexpr float kMaxViewScale = 170.0f;

// The largest 4:3 rectangle centred in the window; empty for an empty window.
PixelRect LetterboxRect(int windowWidth, int windowHeight);

// The accepted view scale: clamped so the picture never turns over; a value
// that is not a number keeps `current`.
float ClampViewScale(float requested, float current);

// How many screens wide the visible area is: the whole screen from 70 up
// (menus 70; a fight asks 70 to 82 by the fighters' distance and up to
// about 240 as the round ends). Wider would show past the stage and the
// fades; narrower would cut the texts the fight draws at the screen's edge
// (the tally starts at x 0) and fighters standing apart. Below 70, which
// the game never asks, it zooms in as a field of view would.
float ViewExtent(float viewScale);

struct ViewMapping {
    float extent = 1.0f;

    explicit ViewMapping(float viewScale = kNormalViewScale) : extent(ViewExtent(viewScale)) {}

    // Screen fractions (y down) to normalised device coordinates (y up).
    float NdcX(float x) const { return (x - 0.5f) * 2.0f / extent; }
    float NdcY(float y) const { return (0.5f - y) * 2.0f / extent; }
};
