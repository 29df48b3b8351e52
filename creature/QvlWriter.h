#pragma once
// Little-endian building of a creature file in memory.
#include <cstddef>
#include <cstdint>
#include <vector>

class QvlWriter {
public:
    void Int(int32_t value);
    void Float(float value);
    void Byte(uint8_t value);
    void Bytes(const void* data, size_t count);
    // Length with the zero byte, then the bytes; 0 and nothing for null.
    // `limit` cuts longer texts so they fit the readers' buffers (0: no cut).
    void String(const char* text, size_t limit);
    // Tag and a placeholder end; returns where the end goes.
    size_t BeginBlock(int32_t tag);
    void EndBlock(size_t at);
    size_t Size() const { return bytes_.size(); }
    const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
};
