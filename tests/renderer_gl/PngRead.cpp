#include "tests/renderer_gl/PngRead.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

uint32_t U32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = abs(p - a), pb = abs(p - b), pc = abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

}  // namespace

bool ReadPngRgba(const std::string& path, int* width, int* height,
                 std::vector<unsigned char>* rgba) {
    std::ifstream in(path, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const unsigned char* data = reinterpret_cast<const unsigned char*>(file.data());
    static const unsigned char kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    if (file.size() < 8 || std::string(file, 0, 8) != std::string(kSignature, kSignature + 8))
        return false;
    uint32_t w = 0, h = 0;
    int channels = 0;
    std::vector<unsigned char> compressed;
    for (size_t pos = 8; pos + 12 <= file.size();) {
        const uint32_t length = U32(data + pos);
        if (length > file.size() - pos - 12) return false;
        const std::string type(file, pos + 4, 4);
        const unsigned char* body = data + pos + 8;
        if (type == "IHDR" && length >= 13) {
            w = U32(body);
            h = U32(body + 4);
            if (body[8] != 8 || body[12] != 0) return false;  // 8 bits, not interlaced
            channels = body[9] == 2 ? 3 : body[9] == 6 ? 4 : 0;
        } else if (type == "IDAT") {
            compressed.insert(compressed.end(), body, body + length);
        } else if (type == "IEND") {
            break;
        }
        pos += 12 + length;
    }
    if (!channels || w == 0 || h == 0 || w > 16384 || h > 16384) return false;
    const size_t stride = size_t(w) * channels;
    std::vector<unsigned char> raw((stride + 1) * h);
    uLongf rawSize = raw.size();
    if (uncompress(raw.data(), &rawSize, compressed.data(), compressed.size()) != Z_OK ||
        rawSize != raw.size())
        return false;
    std::vector<unsigned char> rows(stride * h);
    for (uint32_t y = 0; y < h; ++y) {
        const unsigned char filter = raw[y * (stride + 1)];
        const unsigned char* src = &raw[y * (stride + 1) + 1];
        unsigned char* row = &rows[y * stride];
        const unsigned char* up = y ? &rows[(y - 1) * stride] : nullptr;
        for (size_t i = 0; i < stride; ++i) {
            const int a = i >= size_t(channels) ? row[i - channels] : 0;
            const int b = up ? up[i] : 0;
            const int c = (up && i >= size_t(channels)) ? up[i - channels] : 0;
            int predicted = 0;
            switch (filter) {
                case 0: predicted = 0; break;
                case 1: predicted = a; break;
                case 2: predicted = b; break;
                case 3: predicted = (a + b) / 2; break;
                case 4: predicted = Paeth(a, b, c); break;
                default: return false;
            }
            row[i] = static_cast<unsigned char>(src[i] + predicted);
        }
    }
    rgba->resize(size_t(w) * h * 4);
    for (size_t i = 0; i < size_t(w) * h; ++i) {
        for (int k = 0; k < 3; ++k) (*rgba)[i * 4 + k] = rows[i * channels + k];
        (*rgba)[i * 4 + 3] = channels == 4 ? rows[i * channels + 3] : 255;
    }
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}
