#include "DecodedTune.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/Files.h"

namespace {

struct Memory {
    const std::vector<unsigned char>* bytes;
    size_t at = 0;
};

size_t MemoryRead(void* out, size_t size, size_t count, void* source) {
    Memory* m = static_cast<Memory*>(source);
    size_t want = size * count, left = m->bytes->size() - m->at;
    size_t n = std::min(want, left);
    memcpy(out, m->bytes->data() + m->at, n);
    m->at += n;
    return size ? n / size : 0;
}
int MemorySeek(void* source, ogg_int64_t offset, int whence) {
    Memory* m = static_cast<Memory*>(source);
    ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->at : m->bytes->size();
    ogg_int64_t to = base + offset;
    if (to < 0 || to > static_cast<ogg_int64_t>(m->bytes->size())) return -1;
    m->at = static_cast<size_t>(to);
    return 0;
}
long MemoryTell(void* source) { return static_cast<long>(static_cast<Memory*>(source)->at); }

DecodedTune Decode(OggVorbis_File* file) {
    DecodedTune tune;
    vorbis_info* info = ov_info(file, -1);
    tune.channels = info->channels;
    tune.rate = info->rate;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        long got = ov_read_float(file, &pcm, 4096, &section);
        if (got == 0) break;
        if (got < 0) {
            tune.error = "damaged stream (" + std::to_string(got) + ")";
            break;
        }
        tune.left.insert(tune.left.end(), pcm[0], pcm[0] + got);
        float* right = pcm[tune.channels > 1 ? 1 : 0];
        tune.right.insert(tune.right.end(), right, right + got);
    }
    ov_clear(file);
    return tune;
}

// RMS of the first (order 1) or second (order 2) differences over the
// whole loop, read round the seam, leaving out the differences that span it.
double ChangeRms(const std::vector<float>& s, int order) {
    const size_t n = s.size();
    double sum = 0.0;
    for (size_t i = 2; i < n; ++i) {
        double d = order == 1 ? double(s[i]) - s[i - 1] : double(s[i]) - 2.0 * s[i - 1] + s[i - 2];
        sum += d * d;
    }
    return std::sqrt(sum / double(n - 2));
}

}  // namespace

DecodedTune DecodeOggFile(const std::string& path) {
    FILE* f = PlatformOpenFile(path.c_str(), "rb");
    if (!f) {
        DecodedTune t;
        t.error = path + " cannot be opened";
        return t;
    }
    OggVorbis_File file;
    if (ov_open_callbacks(f, &file, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
        fclose(f);
        DecodedTune t;
        t.error = path + " is not OGG Vorbis";
        return t;
    }
    return Decode(&file);
}

DecodedTune DecodeOggBytes(const std::vector<unsigned char>& bytes) {
    Memory memory{&bytes};
    ov_callbacks callbacks = {MemoryRead, MemorySeek, nullptr, MemoryTell};
    OggVorbis_File file;
    if (ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) != 0) {
        DecodedTune t;
        t.error = "not OGG Vorbis";
        return t;
    }
    return Decode(&file);
}

double Rms(const std::vector<float>& s) {
    double sum = 0.0;
    for (float v : s) sum += double(v) * v;
    return s.empty() ? 0.0 : std::sqrt(sum / s.size());
}

double Peak(const std::vector<float>& s) {
    double peak = 0.0;
    for (float v : s) peak = std::max(peak, double(std::fabs(v)));
    return peak;
}

double SeamJumpRatio(const std::vector<float>& s) {
    if (s.size() < 16) return 0.0;
    double jump = std::fabs(double(s.front()) - s.back());
    return jump / std::max(ChangeRms(s, 1), 1e-9);
}

double SeamSlopeRatio(const std::vector<float>& s) {
    if (s.size() < 16) return 0.0;
    const size_t n = s.size();
    double before = std::fabs(double(s[0]) - 2.0 * s[n - 1] + s[n - 2]);
    double after = std::fabs(double(s[1]) - 2.0 * s[0] + s[n - 1]);
    return std::max(before, after) / std::max(ChangeRms(s, 2), 1e-9);
}
