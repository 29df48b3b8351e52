// libFuzzer target: any bytes as a datagram from a peer. The decoder must
// refuse or read it without reading past it; what it reads must encode
// again into a message that decodes to the same.
#include <cstdlib>
#include <vector>

#include "net/NetPackets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NetMessage message;
    if (!DecodeMessage(data, size, &message)) return 0;
    std::vector<uint8_t> again;
    if (!EncodeMessage(message, &again)) abort();
    NetMessage twice;
    if (!DecodeMessage(again.data(), again.size(), &twice) || twice.kind != message.kind) abort();
    std::vector<uint8_t> third;
    if (!EncodeMessage(twice, &third) || third != again) abort();
    return 0;
}
