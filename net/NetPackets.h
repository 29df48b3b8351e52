#pragma once
// The datagrams two games exchange, written and read with every length
// checked. A peer may send anything: the reader answers false for whatever
// is not exactly one well-formed message, and never reads past the bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t kNetProtocol = 1;
constexpr int kNetMaxPacket = 8192;  // a hello with its file list; inputs stay far under the MTU
constexpr int kNetMaxInputs = 32;          // inputs resent in one datagram
constexpr int kNetMaxChecksums = 8;
constexpr int kNetMaxFiles = 64;
constexpr int kNetMaxText = 96;

enum class NetKind : uint8_t {
    kHello = 1,   // reliable: who I am, what I play with
    kInputs = 2,  // unreliable: my inputs from a frame on, what I have of yours
    kBye = 3,     // reliable: I am leaving, and why
    kDesync = 4,  // reliable: our states differ at a frame
};

// A file the match reads, by name and digest.
struct NetFile {
    std::string name;
    uint64_t digest = 0;
};

// The host's match options travel in its hello.
struct NetOptions {
    int32_t roundsToWin = 2;
    float roundTime = 60.0f;
    uint8_t unlimitedTime = 0;
    uint8_t randomBackground = 0;
    uint32_t seed = 1;  // the random generator both sides start from
};

struct NetHello {
    uint16_t protocol = kNetProtocol;
    uint8_t host = 0;
    std::string build;
    NetOptions options;
    std::vector<NetFile> files;
};

struct NetChecksum {
    uint32_t frame = 0;
    uint64_t sum = 0;
};

// Inputs of frames first .. first + count - 1; `received` is the first frame
// of the other side's the sender does not have yet.
struct NetInputs {
    uint32_t first = 0;
    uint8_t count = 0;
    uint16_t buttons[kNetMaxInputs] = {};
    uint32_t received = 0;
    int8_t advantage = 0;  // frames the sender runs ahead of what it has of ours
    uint8_t checksumCount = 0;
    NetChecksum checksums[kNetMaxChecksums];
};

struct NetMessage {
    NetKind kind = NetKind::kBye;
    NetHello hello;
    NetInputs inputs;
    uint8_t reason = 0;      // kBye
    uint32_t frame = 0;      // kBye: the sender's last frame; kDesync: the frame
};

// Appends the message's bytes; false (nothing appended) when it would not
// fit in kNetMaxPacket.
bool EncodeMessage(const NetMessage& message, std::vector<uint8_t>* out);
// False for anything but one whole, well-formed message of this protocol.
bool DecodeMessage(const uint8_t* data, size_t size, NetMessage* message);
