#pragma once
// One peer over ENet on one UDP port. Nothing here blocks: Service hands
// over what arrived since the last call and sends what was queued. A flood
// is cut at a fixed number of datagrams per call, the rest dropped.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

class NetLink {
public:
    static constexpr int kMostDatagramsPerService = 256;
    static constexpr size_t kMostQueued = 512;

    NetLink();
    ~NetLink();
    NetLink(const NetLink&) = delete;
    NetLink& operator=(const NetLink&) = delete;

    // False with *error set when the port or address cannot be used.
    bool Host(uint16_t port, std::string* error);
    bool Join(const char* address, uint16_t port, std::string* error);
    // Sends what is queued and takes in what arrived, without waiting.
    void Service();
    bool Connected() const { return peer_ != nullptr && connected_; }
    // The peer went away (or the connection attempt failed).
    bool Lost() const { return lost_; }
    bool Send(const std::vector<uint8_t>& bytes, bool reliable);
    // The next datagram that arrived, oldest first.
    bool Receive(std::vector<uint8_t>* out);
    // Leaves the peer, sending what is queued first (waits at most a few
    // hundred milliseconds, only at the session's end).
    void Close();

    uint32_t RoundTripMs() const;
    uint64_t BytesSent() const;
    uint64_t BytesReceived() const;
    int Dropped() const { return dropped_; }

private:
    _ENetHost* host_ = nullptr;
    _ENetPeer* peer_ = nullptr;
    bool connected_ = false;
    bool lost_ = false;
    int dropped_ = 0;
    std::deque<std::vector<uint8_t>> received_;
};

// "HOST:PORT" into its parts; false for anything else (a port 1..65535).
bool ParseHostPort(const std::string& text, std::string* host, uint16_t* port);
bool ParsePort(const std::string& text, uint16_t* port);
