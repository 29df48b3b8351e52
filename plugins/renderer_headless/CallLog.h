#pragma once
// The record of every renderer call: kept in memory (bounded) for tests in
// the same process, and appended to a trace file for runs of the game.
#include <cstdio>
#include <deque>
#include <string>

class CallLog {
public:
    // Oldest lines are dropped beyond this, so a long run cannot eat memory.
    static constexpr size_t kMaxLines = 100000;

    ~CallLog();
    void Add(const std::string& line);
    // All kept lines, each ending in '\n'. Valid until the next call.
    const char* Text();
    void Clear();

    // The trace file gets every line added while it is open.
    bool OpenTrace(const char* path);
    void FlushTrace();
    void CloseTrace();

private:
    std::deque<std::string> lines_;
    std::string joined_;
    FILE* trace_ = nullptr;
};

// The one log of this library, read through the HeadlessCallLog export.
CallLog& HeadlessLog();
