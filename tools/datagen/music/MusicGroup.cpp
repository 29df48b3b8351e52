// The game's five tunes: each score in data/music/ is rendered into a
// seamless loop and written as OGG Vorbis.
#include <cstdio>
#include <thread>

#include "tools/datagen/DataGroup.h"
#include "support/music/OggEncoder.h"
#include "support/music/Score.h"
#include "support/music/Synth.h"

namespace {

constexpr int kMusicRate = 44100;
// About 110 kbit/s for our stereo mixes: five tunes stay near 4 MB.
constexpr double kMusicQuality = 0.3;
constexpr int kFirstSerial = 0x436f7201;

struct Tune {
    const char* score;   // under data/
    const char* output;  // in the game folder
    const char* title;
};

const Tune kTunes[] = {
    {"music/intro.txt", "sonido\\intro.ogg", "Corralon: the egg"},
    {"music/menu.txt", "sonido\\menu.ogg", "Corralon: farmyard gate"},
    {"music/seleccion.txt", "sonido\\seleccion.ogg", "Corralon: face to face"},
    {"music/granja.txt", "sonido\\granja.ogg", "Corralon: barnyard brawl"},
    {"music/creditos.txt", "sonido\\creditos.ogg", "Corralon: sunset on the farm"},
};
constexpr int kTuneCount = sizeof kTunes / sizeof kTunes[0];

struct Encoded {
    std::vector<unsigned char> bytes;
    std::string error;  // empty when the tune was made
};

Encoded MakeTune(const Tune& tune, int serial, const DataSources& sources) {
    Encoded result;
    Score score;
    const std::string path = sources.Path(tune.score);
    if (!LoadScore(path, &score, &result.error)) return result;
    if (score.Seconds() < kMinTuneSeconds || score.Seconds() > kMaxTuneSeconds) {
        char message[160];
        snprintf(message, sizeof message, ": the loop lasts %.1f s; it must last %.0f to %.0f s",
                 score.Seconds(), kMinTuneSeconds, kMaxTuneSeconds);
        result.error = path + message;
        return result;
    }
    if (!EncodeOgg(RenderScore(score, kMusicRate), kMusicRate, kMusicQuality, serial, tune.title,
                   &result.bytes, &result.error))
        result.error = std::string(tune.output) + ": " + result.error;
    return result;
}

// Two workers share the tunes (the build machines have two cores); the
// files are written afterwards in a fixed order.
bool WriteMusic(const OutputFolder& out, const DataSources& sources) {
    Encoded made[kTuneCount];
    auto work = [&](int first) {
        for (int i = first; i < kTuneCount; i += 2) made[i] = MakeTune(kTunes[i], kFirstSerial + i, sources);
    };
    std::thread helper(work, 1);
    work(0);
    helper.join();
    bool ok = true;
    for (int i = 0; i < kTuneCount; ++i) {
        if (!made[i].error.empty()) {
            fprintf(stderr, "corralon-datagen: %s\n", made[i].error.c_str());
            ok = false;
        } else if (!out.Write(kTunes[i].output, made[i].bytes)) {
            ok = false;
        }
    }
    return ok;
}

}  // namespace
CORRALON_DATA_GROUP(music, "music", 40, WriteMusic);
