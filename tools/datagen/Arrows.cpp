// bmp\flechas.bmp: 128 x 128, key magenta (255, 0, 255) background, four
// 64 x 64 cells: up (top left), down (top right), left (bottom left),
// right (bottom right). White arrows with a hard black outline, so keying
// leaves no magenta fringe.
#include "tools/datagen/Arrows.h"
#include "tools/datagen/DataGroup.h"

#include <cmath>

#include "tools/datagen/RgbImage.h"
#include "tools/datagen/RgbImage.h"

namespace {

const int kCell = 64;
const int kOutline = 2;

enum Direction { kUp, kDown, kLeft, kRight };

// The arrow pointing up, centred on (0, 0): (u, v) with v growing downward.
bool InsideUpArrow(float u, float v) {
    const float tip = -26.0f, headBase = -2.0f, headHalf = 22.0f;
    const float shaftHalf = 9.0f, shaftEnd = 26.0f;
    if (v >= tip && v <= headBase && std::fabs(u) <= (v - tip) * headHalf / (headBase - tip))
        return true;
    return v >= headBase && v <= shaftEnd && std::fabs(u) <= shaftHalf;
}

// Whether the pixel (x, y) of a cell lies inside the arrow of `d`.
bool Inside(Direction d, int x, int y) {
    const float px = x + 0.5f - kCell / 2.0f;
    const float py = y + 0.5f - kCell / 2.0f;
    switch (d) {
        case kUp: return InsideUpArrow(px, py);
        case kDown: return InsideUpArrow(px, -py);
        case kLeft: return InsideUpArrow(py, px);
        case kRight: return InsideUpArrow(py, -px);
    }
    return false;
}

bool NearArrow(Direction d, int x, int y) {
    for (int dy = -kOutline; dy <= kOutline; ++dy)
        for (int dx = -kOutline; dx <= kOutline; ++dx)
            if (dx * dx + dy * dy <= kOutline * kOutline && Inside(d, x + dx, y + dy))
                return true;
    return false;
}

void DrawArrow(RgbImage* image, Direction d, int cellX, int cellY) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            if (Inside(d, x, y))
                image->Set(cellX + x, cellY + y, 255, 255, 255);
            else if (NearArrow(d, x, y))
                image->Set(cellX + x, cellY + y, 0, 0, 0);
        }
}

}  // namespace

bool WriteArrows(const OutputFolder& out) {
    RgbImage image(2 * kCell, 2 * kCell, 255, 0, 255);
    DrawArrow(&image, kUp, 0, 0);
    DrawArrow(&image, kDown, kCell, 0);
    DrawArrow(&image, kLeft, 0, kCell);
    DrawArrow(&image, kRight, kCell, kCell);
    return out.Write("bmp\\flechas.bmp", EncodeBmp24(image));
}

namespace {
bool WriteArrowsGroup(const OutputFolder& out, const DataSources&) { return WriteArrows(out); }
}  // namespace
CORRALON_DATA_GROUP(arrows, "arrows picture", 20, WriteArrowsGroup);
