#pragma once
// From the game's screen fractions to the window: the 4:3 picture sits
// letterboxed in the window, and the view scale (a vertical field of view in
// degrees) widens what that picture shows around the screen centre.

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

// How many screens wide the visible area is: 1.0 at 70 degrees.
float ViewExtent(float viewScale);

struct ViewMapping {
    float extent = 1.0f;

    explicit ViewMapping(float viewScale = kNormalViewScale) : extent(ViewExtent(viewScale)) {}

    // Screen fractions (y down) to normalised device coordinates (y up).
    float NdcX(float x) const { return (x - 0.5f) * 2.0f / extent; }
    float NdcY(float y) const { return (0.5f - y) * 2.0f / extent; }
};
