#pragma once
// Where the generator writes: the game folder given on the command line.
#include <string>
#include <vector>

class OutputFolder {
public:
    explicit OutputFolder(const std::string& root) : root_(root) {}

    // `name` is written the game's way ("bmp\\flechas.bmp"). Missing folders
    // are created; the file is written under a temporary name and renamed,
    // so a reader never sees half a file. Failures are reported on stderr.
    bool Write(const char* name, const std::vector<unsigned char>& bytes) const;
    bool Write(const char* name, const std::string& text) const;

    const std::string& root() const { return root_; }

private:
    std::string root_;
};
