#include "DatagenOutput.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/GeneratedData.h"

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

namespace {

const std::string& Successful(const GeneratedRun& run) {
    static const std::string none;
    return run.status == 0 ? run.folder : none;
}

}  // namespace

const std::string& GeneratedFolder() { return Successful(FirstGeneratedRun()); }
const std::string& SecondGeneratedFolder() { return Successful(SecondGeneratedRun()); }

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
