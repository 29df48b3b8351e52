#include "base/Log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/Files.h"

const char kLogPath[] = "logs\\log.txt";

namespace {

const char kClosingLine[] = "<< - >> Fin del log";

// Pad names, file names and creature names come from outside: a control
// byte among them must not start a line of its own in the log.
std::string Escaped(const char* text) {
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p < 0x20 || *p == 0x7F) {
            char hex[4];
            snprintf(hex, sizeof hex, "%%%02X", *p);
            out += hex;
        } else {
            out += static_cast<char>(*p);
        }
    }
    return out;
}

// printf with every %s argument escaped; the format's own text is the
// caller's and is written as it is.
std::string Format(const char* format, va_list args) {
    std::string out;
    char piece[512];
    for (const char* p = format; *p;) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        const char* start = p++;
        int stars[2] = {0, 0};
        int starCount = 0;
        while (*p && strchr("-+ #0", *p)) ++p;
        for (int part = 0; part < 2; ++part) {
            if (part == 1) {
                if (*p != '.') break;
                ++p;
            }
            if (*p == '*') {
                stars[starCount++] = va_arg(args, int);
                ++p;
            }
            while (*p >= '0' && *p <= '9') ++p;
        }
        int longs = 0;
        bool sizeT = false, longDouble = false;
        while (*p && strchr("hlLqjzt", *p)) {
            if (*p == 'l') ++longs;
            if (*p == 'z' || *p == 'j' || *p == 't') sizeT = true;
            if (*p == 'L') longDouble = true;
            ++p;
        }
        if (!*p) break;
        const char conversion = *p++;
        std::string pieceFormat(start, p);
        auto emit = [&](auto value) {
            int n = starCount == 2   ? snprintf(piece, sizeof piece, pieceFormat.c_str(), stars[0], stars[1], value)
                    : starCount == 1 ? snprintf(piece, sizeof piece, pieceFormat.c_str(), stars[0], value)
                                     : snprintf(piece, sizeof piece, pieceFormat.c_str(), value);
            if (n > 0) out.append(piece, static_cast<size_t>(n) < sizeof piece ? n : sizeof piece - 1);
        };
        switch (conversion) {
            case '%': out += '%'; break;
            case 's': {
                const char* text = va_arg(args, const char*);
                const std::string safe = Escaped(text ? text : "(null)");
                // The text may be longer than the piece buffer.
                if (pieceFormat == "%s") out += safe;
                else emit(safe.c_str());
                break;
            }
            case 'c': emit(va_arg(args, int)); break;
            case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
                if (longDouble) emit(va_arg(args, long double));
                else emit(va_arg(args, double));
                break;
            case 'p': emit(va_arg(args, void*)); break;
            case 'n': (void)va_arg(args, int*); break;
            default:  // integer conversions
                if (sizeT) emit(va_arg(args, size_t));
                else if (longs >= 2) emit(va_arg(args, long long));
                else if (longs == 1) emit(va_arg(args, long));
                else emit(va_arg(args, int));
        }
    }
    return out;
}

}  // namespace

int LogReset() {
    // A log without its closing lines belongs to a copy of the game still
    // running (which goes on appending to the new one) or to one that died.
    bool unclosed = false;
    if (FILE* old = PlatformOpenFile(kLogPath, "rb")) {
        char tail[256] = {};
        if (fseek(old, -static_cast<long>(sizeof tail - 1), SEEK_END) != 0) rewind(old);
        size_t got = fread(tail, 1, sizeof tail - 1, old);
        tail[got] = '\0';
        unclosed = got > 0 && !strstr(tail, kClosingLine);
        fclose(old);
    }
    FILE* file = PlatformOpenFile(kLogPath, "wb");
    if (!file) return 0;
    fclose(file);
    return unclosed ? 2 : 1;
}

int LogPrintf(const char* format, ...) {
    FILE* file = PlatformOpenFile(kLogPath, "at+");
    if (!file) return 0;
    if (format) {
        va_list args;
        va_start(args, format);
        const std::string text = Format(format, args);
        va_end(args);
        fwrite(text.data(), 1, text.size(), file);
    }
    fclose(file);
    return 1;
}
