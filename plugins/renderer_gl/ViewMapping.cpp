#include "plugins/renderer_gl/ViewMapping.h"

#include <cmath>

PixelRect LetterboxRect(int windowWidth, int windowHeight) {
    PixelRect rect;
    if (windowWidth <= 0 || windowHeight <= 0) return rect;
    // 64-bit products: a huge window must not overflow the comparison.
    const long long w = windowWidth, h = windowHeight;
    if (w * 3 > h * 4) {
        rect.height = windowHeight;
        rect.width = static_cast<int>((h * 4 + 1) / 3);
    } else {
        rect.width = windowWidth;
        rect.height = static_cast<int>((w * 3 + 2) / 4);
    }
    if (rect.width < 1) rect.width = 1;
    if (rect.height < 1) rect.height = 1;
    rect.x = (windowWidth - rect.width) / 2;
    rect.y = (windowHeight - rect.height) / 2;
    return rect;
}

float ClampViewScale(float requested, float current) {
    if (!std::isfinite(requested)) return current;
    if (requested < kMinViewScale) return kMinViewScale;
    if (requested > kMaxViewScale) return kMaxViewScale;
    return requested;
}

float ViewExtent(float viewScale) {
    const float scale = ClampViewScale(viewScale, kNormalViewScale);
    if (scale >= kNormalViewScale) return 1.0f;
    const float degrees = 3.14159265f / 180.0f;
    return std::tan(scale * 0.5f * degrees) / std::tan(kNormalViewScale * 0.5f * degrees);
}
