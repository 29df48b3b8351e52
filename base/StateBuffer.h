#pragma once
// Bounded writing and reading of saved state: plain values one after the
// other in a buffer the caller owns, with named sections so two saves can
// say where they first differ. Nothing allocates.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

class StateWriter {
public:
    static constexpr int kMaxSections = 48;

    StateWriter(unsigned char* data, size_t capacity) : data_(data), capacity_(capacity) {}

    template <class T>
    void Put(const T& value) {
        static_assert(std::is_trivially_copyable<T>::value, "plain values only");
        PutBytes(&value, sizeof value);
    }
    void PutBytes(const void* bytes, size_t size) {
        if (overflow_ || size > capacity_ - used_) {
            overflow_ = true;
            return;
        }
        if (size) memcpy(data_ + used_, bytes, size);
        used_ += size;
    }
    // Room for `size` bytes the caller fills, or null (and overflowed).
    unsigned char* Reserve(size_t size) {
        if (overflow_ || size > capacity_ - used_) {
            overflow_ = true;
            return nullptr;
        }
        unsigned char* room = data_ + used_;
        used_ += size;
        return room;
    }
    // Where the next bytes belong; `name` must outlive the writer.
    void Section(const char* name) {
        if (sectionCount_ < kMaxSections) sections_[sectionCount_++] = {name, used_};
    }
    // The name of the section holding byte `offset`, or "?".
    const char* SectionAt(size_t offset) const {
        const char* name = "?";
        for (int i = 0; i < sectionCount_ && sections_[i].start <= offset; ++i)
            name = sections_[i].name;
        return name;
    }

    bool Overflowed() const { return overflow_; }
    size_t Used() const { return used_; }
    unsigned char* Data() const { return data_; }

private:
    struct Mark {
        const char* name;
        size_t start;
    };
    unsigned char* data_;
    size_t capacity_;
    size_t used_ = 0;
    bool overflow_ = false;
    Mark sections_[kMaxSections] = {};
    int sectionCount_ = 0;
};

class StateReader {
public:
    StateReader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    // False, with `value` untouched, past the end; every later read fails too.
    template <class T>
    bool Get(T& value) {
        static_assert(std::is_trivially_copyable<T>::value, "plain values only");
        return GetBytes(&value, sizeof value);
    }
    bool GetBytes(void* bytes, size_t size) {
        if (failed_ || size > size_ - used_) {
            failed_ = true;
            return false;
        }
        if (size) memcpy(bytes, data_ + used_, size);
        used_ += size;
        return true;
    }
    // A reader over the next `size` bytes, skipped here.
    StateReader Slice(size_t size) {
        if (failed_ || size > size_ - used_) {
            failed_ = true;
            return StateReader(nullptr, 0).Failed();
        }
        StateReader slice(data_ + used_, size);
        used_ += size;
        return slice;
    }
    void Fail() { failed_ = true; }
    bool Ok() const { return !failed_; }
    bool AtEnd() const { return used_ == size_; }
    size_t Left() const { return size_ - used_; }
    const unsigned char* Here() const { return data_ + used_; }

private:
    StateReader Failed() {
        failed_ = true;
        return *this;
    }
    const unsigned char* data_;
    size_t size_;
    size_t used_ = 0;
    bool failed_ = false;
};

// A 64-bit digest of `size` bytes, eight at a time: cheap enough to run on
// every frame's state. Not for security.
uint64_t StateChecksum(const unsigned char* data, size_t size);

// Feeds bytes into a running 64-bit FNV-1a digest: for short identities
// (file names, counts), not for whole states.
inline uint64_t FeedDigest(uint64_t hash, const void* bytes, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i) hash = (hash ^ p[i]) * 1099511628211ull;
    return hash;
}
constexpr uint64_t kDigestStart = 1469598103934665603ull;

