#include "creature/QvlWriter.h"

#include <cstring>

void QvlWriter::Int(int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                          static_cast<unsigned char>(v >> 16),
                          static_cast<unsigned char>(v >> 24)};
    bytes_.insert(bytes_.end(), b, b + 4);
}

void QvlWriter::Float(float value) {
    int32_t bits;
    memcpy(&bits, &value, sizeof bits);
    Int(bits);
}

void QvlWriter::Byte(uint8_t value) { bytes_.push_back(value); }

void QvlWriter::Bytes(const void* data, size_t count) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    bytes_.insert(bytes_.end(), p, p + count);
}

void QvlWriter::String(const char* text, size_t limit) {
    if (!text) {
        Int(0);
        return;
    }
    size_t length = strlen(text);
    if (limit && length > limit - 1) length = limit - 1;
    Int(static_cast<int32_t>(length + 1));
    Bytes(text, length);
    Byte(0);
}

size_t QvlWriter::BeginBlock(int32_t tag) {
    Int(tag);
    size_t at = bytes_.size();
    Int(0);
    return at;
}

void QvlWriter::EndBlock(size_t at) {
    uint32_t end = static_cast<uint32_t>(bytes_.size());
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<unsigned char>(end >> (8 * i));
}
