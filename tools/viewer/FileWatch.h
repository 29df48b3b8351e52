#pragma once
// Notices when a file on disk has been rewritten: its modification time or
// size differ from the last look.
#include <string>

class FileWatch {
public:
    explicit FileWatch(const std::string& path = std::string());
    // True once per change since the last call (or construction).
    bool Changed();

private:
    bool Look(long long* stamp, long long* size) const;

    std::string path_;
    long long stamp_ = -1;
    long long size_ = -1;
};
