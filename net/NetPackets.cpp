#include "net/NetPackets.h"

#include <cstring>

namespace {

constexpr uint8_t kMagic[2] = {'C', 'R'};

class Writer {
public:
    explicit Writer(std::vector<uint8_t>* out) : out_(out) {}
    void U8(uint8_t v) { out_->push_back(v); }
    void U16(uint16_t v) { Bytes(&v, sizeof v); }
    void U32(uint32_t v) { Bytes(&v, sizeof v); }
    void U64(uint64_t v) { Bytes(&v, sizeof v); }
    void F32(float v) { Bytes(&v, sizeof v); }
    void Text(const std::string& s) {
        const size_t n = s.size() < kNetMaxText ? s.size() : kNetMaxText;
        U8(static_cast<uint8_t>(n));
        Bytes(s.data(), n);
    }
    void Bytes(const void* p, size_t n) {
        const uint8_t* b = static_cast<const uint8_t*>(p);
        out_->insert(out_->end(), b, b + n);
    }

private:
    std::vector<uint8_t>* out_;
};

// Little-endian on both sides: the game runs on x86-64 and ARM64 alike.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool U8(uint8_t* v) { return Bytes(v, 1); }
    bool U16(uint16_t* v) { return Bytes(v, sizeof *v); }
    bool U32(uint32_t* v) { return Bytes(v, sizeof *v); }
    bool I32(int32_t* v) { return Bytes(v, sizeof *v); }
    bool U64(uint64_t* v) { return Bytes(v, sizeof *v); }
    bool F32(float* v) { return Bytes(v, sizeof *v); }
    bool Text(std::string* s) {
        uint8_t n = 0;
        if (!U8(&n) || n > kNetMaxText || n > size_ - used_) return false;
        s->assign(reinterpret_cast<const char*>(data_ + used_), n);
        used_ += n;
        return true;
    }
    bool Bytes(void* p, size_t n) {
        if (n > size_ - used_) return false;
        memcpy(p, data_ + used_, n);
        used_ += n;
        return true;
    }
    bool AtEnd() const { return used_ == size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};

bool DecodeHello(Reader& in, NetHello* h) {
    uint8_t files = 0;
    if (!in.U16(&h->protocol) || !in.U8(&h->host) || h->host > 1 || !in.Text(&h->build) ||
        !in.I32(&h->options.roundsToWin) || !in.F32(&h->options.roundTime) ||
        !in.U8(&h->options.unlimitedTime) || !in.U8(&h->options.randomBackground) ||
        !in.U32(&h->options.seed) || !in.U8(&files) || files > kNetMaxFiles)
        return false;
    h->files.assign(files, NetFile());
    for (NetFile& f : h->files)
        if (!in.Text(&f.name) || !in.U64(&f.digest)) return false;
    return true;
}

bool DecodeInputs(Reader& in, NetInputs* p) {
    if (!in.U32(&p->first) || !in.U8(&p->count) || p->count > kNetMaxInputs) return false;
    for (int i = 0; i < p->count; ++i)
        if (!in.U16(&p->buttons[i])) return false;
    uint8_t advantage = 0;
    if (!in.U32(&p->received) || !in.U8(&advantage) || !in.U8(&p->checksumCount) ||
        p->checksumCount > kNetMaxChecksums)
        return false;
    for (int i = 0; i < p->checksumCount; ++i)
        if (!in.U32(&p->checksums[i].frame) || !in.U64(&p->checksums[i].sum)) return false;
    p->advantage = static_cast<int8_t>(advantage);
    return true;
}

}  // namespace

bool EncodeMessage(const NetMessage& m, std::vector<uint8_t>* out) {
    std::vector<uint8_t> bytes;
    Writer w(&bytes);
    w.Bytes(kMagic, sizeof kMagic);
    w.U8(static_cast<uint8_t>(m.kind));
    switch (m.kind) {
        case NetKind::kHello: {
            const NetHello& h = m.hello;
            if (h.files.size() > kNetMaxFiles) return false;
            w.U16(h.protocol);
            w.U8(h.host);
            w.Text(h.build);
            w.Bytes(&h.options.roundsToWin, 4);
            w.F32(h.options.roundTime);
            w.U8(h.options.unlimitedTime);
            w.U8(h.options.randomBackground);
            w.U32(h.options.seed);
            w.U8(static_cast<uint8_t>(h.files.size()));
            for (const NetFile& f : h.files) {
                w.Text(f.name);
                w.U64(f.digest);
            }
            break;
        }
        case NetKind::kInputs: {
            const NetInputs& p = m.inputs;
            if (p.count > kNetMaxInputs || p.checksumCount > kNetMaxChecksums) return false;
            w.U32(p.first);
            w.U8(p.count);
            for (int i = 0; i < p.count; ++i) w.U16(p.buttons[i]);
            w.U32(p.received);
            w.U8(static_cast<uint8_t>(p.advantage));
            w.U8(p.checksumCount);
            for (int i = 0; i < p.checksumCount; ++i) {
                w.U32(p.checksums[i].frame);
                w.U64(p.checksums[i].sum);
            }
            break;
        }
        case NetKind::kBye:
            w.U8(m.reason);
            w.U32(m.frame);
            break;
        case NetKind::kDesync: w.U32(m.frame); break;
        default: return false;
    }
    if (bytes.size() > static_cast<size_t>(kNetMaxPacket)) return false;
    out->insert(out->end(), bytes.begin(), bytes.end());
    return true;
}

bool DecodeMessage(const uint8_t* data, size_t size, NetMessage* m) {
    if (!data || size > static_cast<size_t>(kNetMaxPacket)) return false;
    Reader in(data, size);
    uint8_t magic[2];
    uint8_t kind = 0;
    if (!in.Bytes(magic, 2) || memcmp(magic, kMagic, 2) != 0 || !in.U8(&kind)) return false;
    m->kind = static_cast<NetKind>(kind);
    bool ok = false;
    switch (m->kind) {
        case NetKind::kHello: ok = DecodeHello(in, &m->hello); break;
        case NetKind::kInputs: ok = DecodeInputs(in, &m->inputs); break;
        case NetKind::kBye: ok = in.U8(&m->reason) && in.U32(&m->frame); break;
        case NetKind::kDesync: ok = in.U32(&m->frame); break;
        default: return false;
    }
    return ok && in.AtEnd();
}
