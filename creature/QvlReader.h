#pragma once
// Bounded reading of a creature file. Every read is checked against what the
// file still holds; the first short read marks the reader failed and every
// later read yields zeros, so a parser can run to its end without checks
// after each field and test `Ok()` where it decides something.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

class QvlReader {
public:
    // Takes ownership of an open file.
    explicit QvlReader(FILE* file);
    ~QvlReader();
    QvlReader(const QvlReader&) = delete;
    QvlReader& operator=(const QvlReader&) = delete;

    bool Ok() const { return ok_; }
    void Fail() { ok_ = false; }
    long Tell() const { return position_; }
    long Size() const { return size_; }
    long Remaining() const { return size_ - position_; }

    int32_t Int();
    float Float();
    uint8_t Byte();
    bool Bytes(void* out, size_t count);
    // Moves to an absolute offset inside the file; fails otherwise.
    bool Seek(long offset);

    // A stored string into `buffer` of `capacity` bytes: cut to fit, always
    // terminated; an absent string (length 0) gives "". False on a length
    // the file cannot hold.
    bool String(char* buffer, size_t capacity);
    // A stored string as a new[] copy of its stored length; null when absent.
    char* OwnedString();

    struct Cut {
        long offset;  // of the length field
        int32_t length;
    };
    // Strings cut by String since the last call, in reading order.
    std::vector<Cut> TakeCuts();

private:
    FILE* file_;
    long size_ = 0;
    long position_ = 0;
    bool ok_ = true;
    std::vector<Cut> cuts_;
};
