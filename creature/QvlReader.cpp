#include "creature/QvlReader.h"

#include <cstring>

QvlReader::QvlReader(FILE* file) : file_(file) {
    if (!file_ || fseek(file_, 0, SEEK_END) != 0) {
        ok_ = false;
        return;
    }
    size_ = ftell(file_);
    if (size_ < 0 || fseek(file_, 0, SEEK_SET) != 0) {
        size_ = 0;
        ok_ = false;
    }
}

QvlReader::~QvlReader() {
    if (file_) fclose(file_);
}

bool QvlReader::Bytes(void* out, size_t count) {
    if (!ok_ || count > static_cast<size_t>(Remaining())) {
        ok_ = false;
        if (out && count) memset(out, 0, count);
        return false;
    }
    if (count == 0) return true;
    if (fread(out, 1, count, file_) != count) {
        ok_ = false;
        memset(out, 0, count);
        return false;
    }
    position_ += static_cast<long>(count);
    return true;
}

int32_t QvlReader::Int() {
    unsigned char b[4];
    if (!Bytes(b, 4)) return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

float QvlReader::Float() {
    int32_t bits = Int();
    float value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

uint8_t QvlReader::Byte() {
    uint8_t b = 0;
    Bytes(&b, 1);
    return b;
}

bool QvlReader::Seek(long offset) {
    if (!ok_ || offset < 0 || offset > size_ || fseek(file_, offset, SEEK_SET) != 0) {
        ok_ = false;
        return false;
    }
    position_ = offset;
    return true;
}

bool QvlReader::String(char* buffer, size_t capacity) {
    buffer[0] = '\0';
    long offset = position_;
    int32_t length = Int();
    if (!ok_) return false;
    if (length < 0 || length > Remaining()) {
        ok_ = false;
        return false;
    }
    size_t stored = static_cast<size_t>(length);
    size_t kept = stored < capacity ? stored : capacity - 1;
    if (!Bytes(buffer, kept)) return false;
    buffer[kept] = '\0';
    if (stored > kept) {
        cuts_.push_back({offset, length});
        Seek(position_ + static_cast<long>(stored - kept));
    }
    return ok_;
}

std::vector<QvlReader::Cut> QvlReader::TakeCuts() {
    std::vector<Cut> cuts;
    cuts.swap(cuts_);
    return cuts;
}

char* QvlReader::OwnedString() {
    int32_t length = Int();
    if (!ok_) return nullptr;
    if (length < 0 || length > Remaining()) {
        ok_ = false;
        return nullptr;
    }
    if (length == 0) return nullptr;
    char* text = new char[static_cast<size_t>(length) + 1];
    if (!Bytes(text, static_cast<size_t>(length))) {
        delete[] text;
        return nullptr;
    }
    text[length] = '\0';
    return text;
}
