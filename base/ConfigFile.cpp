#include "base/ConfigFile.h"

#include <sys/stat.h>

#include <cstring>

#include "base/Files.h"

namespace {

// Longest line kept; the rest of a longer line is read and dropped.
const int kMaxLine = 254;

// Bytes below 33 taken as signed: control characters, the space and every
// byte from 0x80 up (accented letters count as blanks at the ends).
inline bool IsBlank(char c) { return static_cast<signed char>(c) < 33; }

char* Copy(const char* text) {
    size_t n = strlen(text);
    char* copy = new char[n + 1];
    memcpy(copy, text, n + 1);
    return copy;
}

// Splits a trimmed, non-empty line. For an entry, `key` and `value` point
// into `line`, which is cut in place.
TokenKind Classify(char* line, char** key, char** value) {
    if (line[0] == '\0' || line[0] == '#') return TokenKind::kNone;
    if (line[0] == '[') return TokenKind::kSection;
    char* equals = strchr(line, '=');
    if (!equals) return TokenKind::kNone;
    char* keyEnd = line;
    while (keyEnd < equals && !IsBlank(*keyEnd)) ++keyEnd;
    char* v = equals + 1;
    while (*v && IsBlank(*v)) ++v;
    *keyEnd = '\0';
    *key = line;
    *value = v;
    return TokenKind::kEntry;
}

}  // namespace

ConfigFile::~ConfigFile() { Close(); }

ConfigResult ConfigFile::Open(const char* path) {
    Close();
    file_ = PlatformOpenFile(path, "rt");
    if (!file_) return ConfigResult::kOpenFailed;
    // Only a plain file is configuration: a device or a pipe read as one
    // would pass for an empty file and its user would log the wrong thing.
    struct stat st;
    if (fstat(fileno(file_), &st) != 0 || !S_ISREG(st.st_mode)) {
        fclose(file_);
        file_ = nullptr;
        return ConfigResult::kOpenFailed;
    }
    return ConfigResult::kOk;
}

// Reads one line into `line` (kMaxLine + 1 bytes), trimmed. False at the end
// of the file: a last line without a newline is never seen, and a read
// error ends the reading the same way.
bool ConfigFile::ReadLine(char* line) {
    int length = 0;
    bool sawNewline = false;
    int c;
    while ((c = fgetc(file_)) != EOF) {
        if (c == '\n') {
            sawNewline = true;
            break;
        }
        if (length < kMaxLine) line[length++] = static_cast<char>(c);
    }
    if (!sawNewline) return false;
    // Text mode on Windows drops the carriage return before a newline.
    if (length > 0 && line[length - 1] == '\r') --length;
    line[length] = '\0';
    int start = 0;
    while (start < length && IsBlank(line[start])) ++start;
    int end = length;
    while (end > start && IsBlank(line[end - 1])) --end;
    memmove(line, line + start, end - start);
    line[end - start] = '\0';
    return true;
}

ConfigResult ConfigFile::NextToken(TokenKind* kind, char** text, char** value) {
    if (kind) *kind = TokenKind::kNone;
    if (text) *text = nullptr;
    if (value) *value = nullptr;
    if (!file_) return ConfigResult::kEndOfFile;
    char line[kMaxLine + 1];
    if (!ReadLine(line)) return ConfigResult::kEndOfFile;
    char* key = nullptr;
    char* val = nullptr;
    TokenKind k = Classify(line, &key, &val);
    if (kind) *kind = k;
    if (k == TokenKind::kSection) {
        if (text) *text = Copy(line);
    } else if (k == TokenKind::kEntry) {
        // Key and value in one block: "key\0value\0".
        size_t keyLength = strlen(key);
        size_t valueLength = strlen(val);
        char* block = new char[keyLength + valueLength + 2];
        memcpy(block, key, keyLength + 1);
        memcpy(block + keyLength + 1, val, valueLength + 1);
        if (text) *text = block;
        else delete[] block;
        if (value) *value = text ? block + keyLength + 1 : nullptr;
    }
    return ConfigResult::kOk;
}

ConfigResult ConfigFile::Load() {
    if (!file_) return ConfigResult::kOpenFailed;
    FreeLists();
    rewind(file_);
    clearerr(file_);
    ConfigSection* lastSection = nullptr;
    ConfigEntry* lastEntry = nullptr;
    char line[kMaxLine + 1];
    while (ReadLine(line)) {
        char* key = nullptr;
        char* value = nullptr;
        TokenKind kind = Classify(line, &key, &value);
        if (kind == TokenKind::kSection) {
            ConfigSection* section = new ConfigSection{Copy(line), nullptr, nullptr};
            if (lastSection) lastSection->next = section;
            else firstSection_ = section;
            lastSection = section;
            lastEntry = nullptr;
        } else if (kind == TokenKind::kEntry && lastSection) {
            ConfigEntry* entry = new ConfigEntry{Copy(key), Copy(value), nullptr};
            if (lastEntry) lastEntry->next = entry;
            else lastSection->firstEntry = entry;
            lastEntry = entry;
        }
    }
    First();
    return ConfigResult::kOk;
}

const char* ConfigFile::GetValue(const char* section, const char* key) const {
    if (!section || !key) return nullptr;
    for (ConfigSection* s = firstSection_; s; s = s->next) {
        if (strcmp(s->name, section) != 0) continue;
        for (ConfigEntry* e = s->firstEntry; e; e = e->next)
            if (strcmp(e->key, key) == 0) return e->value;
    }
    return nullptr;
}

void ConfigFile::First() {
    sectionCursor_ = firstSection_;
    entryCursor_ = sectionCursor_ ? sectionCursor_->firstEntry : nullptr;
}

bool ConfigFile::SectionIs(const char* name) const {
    return sectionCursor_ && name && strcmp(sectionCursor_->name, name) == 0;
}

ConfigResult ConfigFile::NextSection() {
    if (!sectionCursor_ || !sectionCursor_->next) return ConfigResult::kNoMore;
    sectionCursor_ = sectionCursor_->next;
    entryCursor_ = sectionCursor_->firstEntry;
    return ConfigResult::kOk;
}

bool ConfigFile::EntryKeyIs(const char* key) const {
    return entryCursor_ && key && strcmp(entryCursor_->key, key) == 0;
}

ConfigResult ConfigFile::NextEntry() {
    if (!entryCursor_ || !entryCursor_->next) return ConfigResult::kNoMore;
    entryCursor_ = entryCursor_->next;
    return ConfigResult::kOk;
}

const char* ConfigFile::EntryValue() const { return entryCursor_ ? entryCursor_->value : nullptr; }

void ConfigFile::FreeLists() {
    ConfigSection* s = firstSection_;
    while (s) {
        ConfigEntry* e = s->firstEntry;
        while (e) {
            ConfigEntry* nextEntry = e->next;
            delete[] e->key;
            delete[] e->value;
            delete e;
            e = nextEntry;
        }
        ConfigSection* nextSection = s->next;
        delete[] s->name;
        delete s;
        s = nextSection;
    }
    firstSection_ = nullptr;
    sectionCursor_ = nullptr;
    entryCursor_ = nullptr;
}

void ConfigFile::Close() {
    FreeLists();
    if (file_) {
        fclose(file_);
        file_ = nullptr;
    }
}
