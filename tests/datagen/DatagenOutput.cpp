#include "DatagenOutput.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int RunDatagen(const std::string& args, std::string* errors, const std::string& environment) {
    char pattern[] = "/tmp/corralon-datagen-err-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    std::string command = environment + " '" CORRALON_GAME_DIR "/corralon-datagen' " + args +
                          " 2>'" + pattern + "'";
    int status = system(command.c_str());
    if (errors) *errors = ReadWhole(pattern);
    remove(pattern);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string& GeneratedFolder() {
    static std::string folder;
    if (folder.empty()) {
        char pattern[] = "/tmp/corralon-datagen-XXXXXX";
        if (mkdtemp(pattern) && RunDatagen(std::string("'") + pattern + "'") == 0)
            folder = pattern;
    }
    return folder;
}

SDL_Surface* LoadRgb(const std::string& path) {
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) return nullptr;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    return rgb;
}

Rgb PixelAt(const SDL_Surface* s, int x, int y) {
    const unsigned char* p = static_cast<const unsigned char*>(s->pixels) + y * s->pitch + x * 3;
    return Rgb{p[0], p[1], p[2]};
}
