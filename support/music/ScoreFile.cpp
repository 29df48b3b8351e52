// Reading a score file from disk.
#include <cstdio>

#include "base/Files.h"
#include "support/music/Score.h"

namespace {
// A score is a page of text; anything bigger is not one.
constexpr long kMaxScoreBytes = 1 << 20;
}  // namespace

bool LoadScore(const std::string& path, Score* score, std::string* error) {
    FILE* f = PlatformOpenFile(path.c_str(), "rb");
    if (!f) {
        *error = path + ": cannot be opened";
        return false;
    }
    std::string text;
    char buffer[4096];
    size_t got = 0;
    bool tooBig = false;
    while ((got = fread(buffer, 1, sizeof buffer, f)) > 0) {
        if (text.size() + got > static_cast<size_t>(kMaxScoreBytes)) {
            tooBig = true;
            break;
        }
        text.append(buffer, got);
    }
    bool readError = ferror(f) != 0;
    fclose(f);
    if (tooBig || readError) {
        *error = path + (tooBig ? ": larger than 1 MB, not a score" : ": cannot be read");
        return false;
    }
    if (!ParseScore(text, score, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}
