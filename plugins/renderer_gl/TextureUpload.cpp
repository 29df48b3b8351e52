#include "plugins/renderer_gl/TextureUpload.h"

#include <cstddef>

bool BleedTransparentColours(const unsigned char* rgba, int width, int height,
                             std::vector<unsigned char>* out) {
    if (!rgba || width <= 0 || height <= 0) return false;
    const size_t count = static_cast<size_t>(width) * height;
    bool anyTransparent = false;
    for (size_t i = 0; i < count && !anyTransparent; ++i) anyTransparent = rgba[i * 4 + 3] == 0;
    if (!anyTransparent) return false;

    out->assign(rgba, rgba + count * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* pixel = out->data() + (static_cast<size_t>(y) * width + x) * 4;
            if (pixel[3] != 0) continue;
            int sum[3] = {0, 0, 0};
            int n = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                    const unsigned char* near = rgba + (static_cast<size_t>(ny) * width + nx) * 4;
                    if (near[3] == 0) continue;
                    sum[0] += near[0];
                    sum[1] += near[1];
                    sum[2] += near[2];
                    ++n;
                }
            }
            for (int k = 0; k < 3; ++k)
                pixel[k] = static_cast<unsigned char>(n ? sum[k] / n : 0);
        }
    }
    return true;
}
