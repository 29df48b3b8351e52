#include "plugins/renderer_headless/CallFormat.h"

#include <cstdio>
#include <vector>

std::string FormatV(const char* format, va_list args) {
    if (!format) return std::string();
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int needed = vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0) return std::string();
    if (static_cast<size_t>(needed) < sizeof small) return std::string(small, needed);
    std::vector<char> big(static_cast<size_t>(needed) + 1);
    vsnprintf(big.data(), big.size(), format, args);
    return std::string(big.data(), needed);
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    return text;
}

std::string Quoted(const char* text) {
    if (!text) return "(null)";
    std::string out = "\"";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        switch (*p) {
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (*p < 0x20 || *p == 0x7F) {
                    char hex[8];
                    snprintf(hex, sizeof hex, "\\x%02X", *p);
                    out += hex;
                } else {
                    out += static_cast<char>(*p);
                }
        }
    }
    out += '"';
    return out;
}

std::string Floats4(float a, float b, float c, float d) {
    return Format("%.3f %.3f %.3f %.3f", a, b, c, d);
}
