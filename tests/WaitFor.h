#pragma once
// Waiting for something another thread, process or window does: look again
// every few milliseconds until it holds or the deadline passes, so a slow
// machine only takes longer and a fast one goes on at once.
#include <chrono>
#include <functional>
#include <thread>

inline bool WaitUntil(const std::function<bool()>& ready, double seconds = 30.0,
                      std::chrono::milliseconds interval = std::chrono::milliseconds(5)) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= deadline) return ready();
        std::this_thread::sleep_for(interval);
    }
    return true;
}
