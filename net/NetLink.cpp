#include "net/NetLink.h"

#include <enet/enet.h>

#include <cstdlib>

namespace {

constexpr size_t kChannels = 2;  // 0 reliable, 1 unreliable
constexpr int kCloseWaitMs = 300;

bool StartENet() {
    static const bool started = enet_initialize() == 0;
    return started;
}

}  // namespace

NetLink::NetLink() = default;

NetLink::~NetLink() {
    if (host_) enet_host_destroy(host_);
}

bool NetLink::Host(uint16_t port, std::string* error) {
    if (!StartENet()) return *error = "no se puede iniciar la red", false;
    ENetAddress address;
    address.host = ENET_HOST_ANY;
    address.port = port;
    // One peer only: a second caller finds no room and is turned away.
    host_ = enet_host_create(&address, 1, kChannels, 0, 0);
    if (!host_) return *error = "el puerto " + std::to_string(port) + " no se puede usar", false;
    return true;
}

bool NetLink::Join(const char* name, uint16_t port, std::string* error) {
    if (!StartENet()) return *error = "no se puede iniciar la red", false;
    ENetAddress address;
    if (enet_address_set_host(&address, name) != 0)
        return *error = std::string("no se encuentra ") + name, false;
    address.port = port;
    host_ = enet_host_create(nullptr, 1, kChannels, 0, 0);
    if (!host_) return *error = "no se puede abrir un puerto", false;
    peer_ = enet_host_connect(host_, &address, kChannels, 0);
    if (!peer_) return *error = "no se puede llamar al otro", false;
    return true;
}

void NetLink::Service() {
    if (!host_) return;
    ENetEvent event;
    int taken = 0;
    while (taken < kMostDatagramsPerService && enet_host_service(host_, &event, 0) > 0) {
        switch (event.type) {
            case ENET_EVENT_TYPE_CONNECT:
                if (!peer_ || peer_ == event.peer) {
                    peer_ = event.peer;
                    connected_ = true;
                    // Our own silence rules decide; ENet's only backs them.
                    enet_peer_timeout(peer_, 0, 15000, 20000);
                } else {
                    enet_peer_reset(event.peer);
                }
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                if (event.peer == peer_) {
                    connected_ = false;
                    lost_ = true;
                    peer_ = nullptr;
                }
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                ++taken;
                if (event.peer == peer_ && received_.size() < kMostQueued)
                    received_.emplace_back(event.packet->data,
                                           event.packet->data + event.packet->dataLength);
                else
                    ++dropped_;
                enet_packet_destroy(event.packet);
                break;
            default: break;
        }
    }
    enet_host_flush(host_);
}

bool NetLink::Send(const std::vector<uint8_t>& bytes, bool reliable) {
    if (!Connected()) return false;
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(),
                                            reliable ? ENET_PACKET_FLAG_RELIABLE
                                                     : ENET_PACKET_FLAG_UNSEQUENCED);
    if (!packet) return false;
    if (enet_peer_send(peer_, reliable ? 0 : 1, packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    return true;
}

bool NetLink::Receive(std::vector<uint8_t>* out) {
    if (received_.empty()) return false;
    out->swap(received_.front());
    received_.pop_front();
    return true;
}

void NetLink::Close() {
    if (!host_) return;
    if (Connected()) {
        enet_peer_disconnect_later(peer_, 0);
        ENetEvent event;
        for (int waited = 0; waited < kCloseWaitMs; waited += 10) {
            if (enet_host_service(host_, &event, 10) <= 0) continue;
            if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
            if (event.type == ENET_EVENT_TYPE_DISCONNECT) break;
        }
        if (peer_) enet_peer_reset(peer_);
    }
    peer_ = nullptr;
    connected_ = false;
}

uint32_t NetLink::RoundTripMs() const { return peer_ ? peer_->roundTripTime : 0; }
uint64_t NetLink::BytesSent() const { return host_ ? host_->totalSentData : 0; }
uint64_t NetLink::BytesReceived() const { return host_ ? host_->totalReceivedData : 0; }

bool ParsePort(const std::string& text, uint16_t* port) {
    if (text.empty() || text.size() > 5) return false;
    char* end = nullptr;
    const long value = strtol(text.c_str(), &end, 10);
    if (*end || value < 1 || value > 65535) return false;
    *port = static_cast<uint16_t>(value);
    return true;
}

bool ParseHostPort(const std::string& text, std::string* host, uint16_t* port) {
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return false;
    *host = text.substr(0, colon);
    return ParsePort(text.substr(colon + 1), port);
}
