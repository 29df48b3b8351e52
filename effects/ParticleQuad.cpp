// The rotated quads of drops: two triangle records over four corners, turned
// with the 256-step tables instead of a trigonometric call per quad.
#include <cmath>

#include "effects/Particulas.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kStepsPerRadian = 40.743;

int TableIndex(float angle) {
    double steps = static_cast<double>(angle) * kStepsPerRadian;
    // A NaN or absurd angle from a behaviour library must not reach the
    // integer conversion.
    if (!(std::fabs(steps) < 1.0e9)) return 0;
    long index = static_cast<long>(steps) % Particulas::kTableSize;
    if (index < 0) index += Particulas::kTableSize;
    return static_cast<int>(index);
}

}  // namespace

void Particulas::BuildTables() {
    for (int i = 0; i < kTableSize; ++i) {
        double a = i * kTwoPi / kTableSize;
        cosTable_[i] = std::cos(a);
        sinTable_[i] = std::sin(a);
    }
}

void Particulas::SetUpQuadRecords() {
    static const float kTexCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        corners_[i][0] = corners_[i][1] = 0.0f;
        corners_[i][2] = 0.1f;
        texCoords_[i][0] = kTexCoords[i][0];
        texCoords_[i][1] = kTexCoords[i][1];
    }
    static const int kCorners[2][3] = {{0, 1, 2}, {0, 2, 3}};
    for (int t = 0; t < 2; ++t) {
        TriangleRecord& record = triangles_[t];
        record = TriangleRecord();
        for (int v = 0; v < 3; ++v) {
            record.position[v] = corners_[kCorners[t][v]];
            record.texCoord[v] = texCoords_[kCorners[t][v]];
            record.color[v] = color_;
        }
    }
    triangles_[0].next = &triangles_[1];
    triangles_[1].next = nullptr;
}

void Particulas::DrawRotatedQuad(float cx, float cy, float sx, float sy, float angle,
                                 float alpha) {
    const int index = TableIndex(angle);
    const float c = static_cast<float>(cosTable_[index]);
    const float s = static_cast<float>(sinTable_[index]);
    corners_[0][0] = cx + (s * 0.86622286f - c * 0.49965778f) * sx;
    corners_[0][1] = cy + (-s * 0.49965778f - c * 0.86622286f) * sy;
    corners_[1][0] = cx + (s * 0.8659266f + c * 0.50017107f) * sx;
    corners_[1][1] = cy + (s * 0.50017107f - c * 0.8659266f) * sy;
    corners_[2][0] = cx + (c * 0.50017107f - s * 0.8659266f) * sx;
    corners_[2][1] = cy + (c * 0.8659266f + s * 0.50017107f) * sy;
    corners_[3][0] = cx + (-c * 0.49965778f - s * 0.86622286f) * sx;
    corners_[3][1] = cy + (-s * 0.49965778f + c * 0.86622286f) * sy;
    color_[0] = tintR_;
    color_[1] = tintG_;
    color_[2] = tintB_;
    triangles_[0].alpha = alpha;
    triangles_[1].alpha = alpha;
    renderer_->DrawParticleBatch(&triangles_[0]);
}
