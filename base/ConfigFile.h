#pragma once
// Reader of the game's sectioned key/value text files:
//   # comment
//   [section]
//   key = value
#include <cstdio>

enum class ConfigResult {
    kOk = 3,
    kEndOfFile = 4,
    kOpenFailed = 5,
    kNoMore = 6,
};

enum class TokenKind {
    kNone = 0,
    kSection = 1,
    kEntry = 2,
};

class ConfigFile {
public:
    ConfigFile() = default;
    ~ConfigFile();
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    ConfigResult Open(const char* path);
    ConfigResult Load();
    // Streaming: the caller owns *text (one heap block; for an entry the
    // value lies inside it) and releases it with delete[].
    ConfigResult NextToken(TokenKind* kind, char** text, char** value);
    const char* GetValue(const char* section, const char* key) const;

    void First();
    bool SectionIs(const char* name) const;
    ConfigResult NextSection();
    bool EntryKeyIs(const char* key) const;
    ConfigResult NextEntry();
    const char* EntryValue() const;

    void Close();

private:
    struct ConfigEntry {
        char* key;
        char* value;
        ConfigEntry* next;
    };
    struct ConfigSection {
        char* name;
        ConfigEntry* firstEntry;
        ConfigSection* next;
    };

    FILE* file_ = nullptr;
    ConfigSection* firstSection_ = nullptr;
    ConfigSection* sectionCursor_ = nullptr;
    ConfigEntry* entryCursor_ = nullptr;

    bool ReadLine(char* line);
    void FreeLists();
};
