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

// The pad buttons' names in the file, in the order a line lists them.
const struct {
    uint32_t bit;
    const char* name;
} kPadButtonNames[] = {
    {kInputUp, "UP"},         {kInputDown, "DOWN"},     {kInputLeft, "LEFT"},
    {kInputRight, "RIGHT"},   {kInputPunch1, "PUNCH1"}, {kInputPunch2, "PUNCH2"},
    {kInputPunch3, "PUNCH3"}, {kInputKick1, "KICK1"},   {kInputKick2, "KICK2"},
    {kInputKick3, "KICK3"},   {kPadStart, "START"},     {kPadBack, "BACK"},
};

// A pad's name as one token: bytes that would split or end it become %XX.
std::string EncodeName(const std::string& name) {
    std::string text;
    for (unsigned char c : name) {
        if (c > ' ' && c <= '~' && c != '%') {
            text += static_cast<char>(c);
        } else {
            char hex[4];
            snprintf(hex, sizeof hex, "%%%02X", c);
            text += hex;
        }
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool DecodeName(const char* text, std::string* name) {
    name->clear();
    for (const char* p = text; *p; ++p) {
        if (*p != '%') {
            *name += *p;
            continue;
        }
        const int high = HexDigit(p[1]), low = high < 0 ? -1 : HexDigit(p[2]);
        if (low < 0) return false;
        *name += static_cast<char>(high * 16 + low);
        p += 2;
    }
    return !name->empty();
}

void AppendPads(std::string* line, const PadFrame& before, const PadFrame& after) {
    for (int p = 0; p < kPadPlayers; ++p) {
        const PadSlot& was = before.players[p];
        const PadSlot& is = after.players[p];
        const std::string pad = "PAD" + std::to_string(p + 1);
        uint32_t held = was.buttons;
        if (was.connection != is.connection) {
            if (was.connection) *line += " -" + pad;
            if (is.connection) *line += " +" + pad + "=" + EncodeName(is.name);
            held = 0;  // a pad comes and goes with its buttons up
        }
        for (const auto& button : kPadButtonNames) {
            const bool down = (is.buttons & button.bit) != 0;
            if (down != ((held & button.bit) != 0))
                *line += std::string(" ") + (down ? '+' : '-') + pad + ":" + button.name;
        }
    }
}

// Applies a pad change (the token without its sign); the reason it cannot,
// empty when done.
std::string ApplyPadChange(char sign, const std::string& text, PadFrame* pads) {
    const int player = text.size() > 3 ? text[3] - '1' : -1;
    if (player < 0 || player >= kPadPlayers) return "unknown pad";
    PadSlot& slot = pads->players[player];
    const char* rest = text.c_str() + 4;
    if (*rest == '\0' && sign == '-') {
        slot = PadSlot();
        return std::string();
    }
    if (*rest == '=' && sign == '+') {
        std::string name;
        if (!DecodeName(rest + 1, &name)) return "bad pad name";
        slot.connection = ++pads->taken;
        slot.name = name;
        slot.buttons = 0;
        return std::string();
    }
    if (*rest != ':') return "unknown pad change";
    for (const auto& button : kPadButtonNames) {
        if (strcasecmp(button.name, rest + 1) != 0) continue;
        if (!slot.connection) return "no pad plays that player";
        slot.buttons = sign == '+' ? slot.buttons | button.bit : slot.buttons & ~button.bit;
        return std::string();
    }
    return "unknown pad button";
}

}  // namespace

std::string FormatSessionTime(double seconds) {
    char text[64];
    snprintf(text, sizeof text, "%.6f", seconds);
    return text;
}

std::string FormatSessionLine(double seconds, const uint8_t before[kKeyStateSize],
                              const uint8_t after[kKeyStateSize], const PadFrame* padsBefore,
                              const PadFrame* padsAfter) {
    std::string line = FormatSessionTime(seconds);
    for (int code = 0; code < kKeyStateSize; ++code) {
        bool was = (before[code] & kKeyDown) != 0;
        bool is = (after[code] & kKeyDown) != 0;
        if (was != is) AppendKey(&line, is ? '+' : '-', code);
    }
    if (padsBefore && padsAfter) AppendPads(&line, *padsBefore, *padsAfter);
    return line;
}

SessionLineKind ParseSessionLine(const char* line, double* seconds,
                                 uint8_t keys[kKeyStateSize], std::string* error,
                                 PadFrame* pads, int* repeat) {
    const char* p = line ? line : "";
    while (IsSpace(*p)) ++p;
    if (*p == '\0' || *p == '#') return kSessionComment;

    char* end = nullptr;
    double time = strtod(p, &end);
    if (end == p || !(*end == '\0' || IsSpace(*end)) || !std::isfinite(time) || time < 0.0 ||
        time > kLongestFrame) {
        const char* stop = p;
        while (*stop && !IsSpace(*stop)) ++stop;
        if (error)
            *error = "frame time (0 to 3600 seconds) expected in '" + std::string(p, stop) + "'";
        return kSessionBad;
    }
    p = end;

    uint8_t next[kKeyStateSize];
    memcpy(next, keys, kKeyStateSize);
    PadFrame nextPads = pads ? *pads : PadFrame();
    long times = 1;
    bool timesGiven = false;
    while (true) {
        while (IsSpace(*p)) ++p;
        if (*p == '\0') break;
        const char* start = p;
        while (*p && !IsSpace(*p)) ++p;
        std::string token(start, p);
        char sign = token[0];
        if (sign == '*') {
            char* after = nullptr;
            times = strtol(token.c_str() + 1, &after, 10);
            if (timesGiven) {
                if (error) *error = "a second repeat count '" + token + "'";
                return kSessionBad;
            }
            if (after == token.c_str() + 1 || *after || times < 1 || times > kLongestRepeat) {
                if (error)
                    *error = "repeat count (1 to " + std::to_string(kLongestRepeat) +
                             ") expected in '" + token + "'";
                return kSessionBad;
            }
            timesGiven = true;
            continue;
        }
        const bool change = sign == '+' || sign == '-';
        int code = change ? ParseKey(token.substr(1)) : -1;
        if (code >= 0) {
            next[code] = sign == '+' ? kKeyDown : 0;
            continue;
        }
        if (change && strncasecmp(token.c_str() + 1, "PAD", 3) == 0) {
            std::string why = ApplyPadChange(sign, token.substr(1), &nextPads);
            if (why.empty()) continue;
            if (error) *error = why + " in '" + token + "'";
            return kSessionBad;
        }
        if (error) *error = "unknown key change '" + token + "'";
        return kSessionBad;
    }
    memcpy(keys, next, kKeyStateSize);
    if (pads) *pads = nextPads;
    if (repeat) *repeat = static_cast<int>(times);
    *seconds = time;
    return kSessionFrame;
}
