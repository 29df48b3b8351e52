#pragma once
// How an online session is asked for on the command line:
//   --host PORT          wait for a peer on UDP port PORT (player 1)
//   --join HOST:PORT     call a host (player 2)
//   --delay N            input delay 0 to 3 frames (else from the round trip)
#include <cstdint>
#include <string>

struct OnlineSetup {
    bool wanted = false;
    bool host = false;
    std::string address;  // the host to call
    uint16_t port = 0;
    int delay = -1;       // -1: chosen from the measured round trip
};

// False with *error set for a malformed online argument; a command line
// without any leaves `wanted` false.
bool ParseOnlineSetup(const char* commandLine, OnlineSetup* setup, std::string* error);
