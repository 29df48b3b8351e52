#include "tools/datagen/FontFile.h"

#include <cstdio>
#include <cstdlib>

#include "base/Files.h"

namespace {

const char* const kFontFolders[] = {
    "/usr/share/fonts/truetype/dejavu",  // Debian, Ubuntu (fonts-dejavu-core)
    "/usr/share/fonts/dejavu",           // Fedora
    "/usr/share/fonts/TTF",              // Arch
    "/usr/local/share/fonts",
};

const long kMaxFontBytes = 64L * 1024 * 1024;

}  // namespace

std::string FindSystemFont(const char* fileName) {
    // An explicit folder replaces the usual ones (tests, unusual systems).
    if (const char* folder = getenv("CORRALON_FONT_DIR")) {
        std::string path = std::string(folder) + "/" + fileName;
        return PlatformFileExists(path.c_str()) ? path : std::string();
    }
    for (const char* folder : kFontFolders) {
        std::string path = std::string(folder) + "/" + fileName;
        if (PlatformFileExists(path.c_str())) return path;
    }
    return std::string();
}

bool ReadFontFile(const std::string& path, std::vector<unsigned char>* bytes) {
    FILE* file = PlatformOpenFile(path.c_str(), "rb");
    if (!file) return false;
    bool ok = fseek(file, 0, SEEK_END) == 0;
    long size = ok ? ftell(file) : -1;
    ok = ok && size > 0 && size <= kMaxFontBytes && fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize(static_cast<size_t>(size));
        ok = fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
    }
    fclose(file);
    return ok;
}
