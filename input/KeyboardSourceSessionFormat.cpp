#include "input/KeyboardSourceSessionFormat.h"

#include <strings.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/KeyNames.h"

namespace {

// A frame longer than this is not a frame time but a typo.
constexpr double kLongestFrame = 3600.0;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Code of a key token without its sign, or -1.
int ParseKey(const std::string& token) {
    const char* text = token.c_str();
    if (strncasecmp(text, "DIK_", 4) == 0) text += 4;
    if ((text[0] == '0') && (text[1] == 'x' || text[1] == 'X') && text[2]) {
        char* end = nullptr;
        long code = strtol(text + 2, &end, 16);
        if (*end != '\0' || code <= 0 || code >= kKeyStateSize) return -1;
        return static_cast<int>(code);
    }
    for (int i = 0; i < kKeyNameCount; ++i)
        if (strcasecmp(kKeyNames[i], text) == 0) return kKeyCodes[i];
    if (strcasecmp(text, "MEDIASELECT") == 0) return kDikMediaSelect;
    return -1;
}

void AppendKey(std::string* line, char sign, int code) {
    *line += ' ';
    *line += sign;
    if (const char* name = KeyNameForCode(code)) {
        *line += name;
    } else {
        char hex[8];
        snprintf(hex, sizeof hex, "0x%02X", code);
        *line += hex;
    }
}

}  // namespace

std::string FormatSessionTime(double seconds) {
    char text[64];
    snprintf(text, sizeof text, "%.6f", seconds);
    return text;
}

std::string FormatSessionLine(double seconds, const uint8_t before[kKeyStateSize],
                              const uint8_t after[kKeyStateSize]) {
    std::string line = FormatSessionTime(seconds);
    for (int code = 0; code < kKeyStateSize; ++code) {
        bool was = (before[code] & kKeyDown) != 0;
        bool is = (after[code] & kKeyDown) != 0;
        if (was != is) AppendKey(&line, is ? '+' : '-', code);
    }
    return line;
}

SessionLineKind ParseSessionLine(const char* line, double* seconds,
                                 uint8_t keys[kKeyStateSize], std::string* error) {
    const char* p = line ? line : "";
    while (IsSpace(*p)) ++p;
    if (*p == '\0' || *p == '#') return kSessionComment;

    char* end = nullptr;
    double time = strtod(p, &end);
    if (end == p || !(*end == '\0' || IsSpace(*end)) || !std::isfinite(time) || time < 0.0 ||
        time > kLongestFrame) {
        if (error) *error = "frame time expected";
        return kSessionBad;
    }
    p = end;

    uint8_t next[kKeyStateSize];
    memcpy(next, keys, kKeyStateSize);
    while (true) {
        while (IsSpace(*p)) ++p;
        if (*p == '\0') break;
        const char* start = p;
        while (*p && !IsSpace(*p)) ++p;
        std::string token(start, p);
        char sign = token[0];
        int code = (sign == '+' || sign == '-') ? ParseKey(token.substr(1)) : -1;
        if (code < 0) {
            if (error) *error = "unknown key change '" + token + "'";
            return kSessionBad;
        }
        next[code] = sign == '+' ? kKeyDown : 0;
    }
    memcpy(keys, next, kKeyStateSize);
    *seconds = time;
    return kSessionFrame;
}
