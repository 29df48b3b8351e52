#include "net/OnlineRecording.h"

#include <cinttypes>
#include <cstring>

#include "base/Files.h"
#include "base/Log.h"
#include "input/KeyboardSourceSessionFormat.h"
#include "net/OnlineMatch.h"

namespace {

const char kDirective[] = "# online ";
const char kPadName[] = "Red";
constexpr int kHeaderLines = 8;

}  // namespace

FILE* OpenOnlineRecording(const char* path, const NetOptions& o) {
    if (!path || !*path) return nullptr;
    FILE* file = PlatformOpenFile(path, "wb");
    if (!file) {
        LogPrintf("     Red: No se puede escribir la sesion %s\n", path);
        return nullptr;
    }
    fprintf(file, "# Corralon input session: frame time, then keys down (+) and up (-)\n");
    fprintf(file, "%sseed=%" PRIu32 " rounds=%d time=%.9g unlimited=%d background=%d\n",
            kDirective, o.seed, o.roundsToWin, static_cast<double>(o.roundTime),
            o.unlimitedTime, o.randomBackground);
    return file;
}

void WriteOnlineFrame(FILE* file, uint16_t player1, uint16_t player2, PadFrame& pads) {
    PadFrame after = pads;
    const uint16_t buttons[2] = {player1, player2};
    for (int p = 0; p < kPadPlayers; ++p) {
        after.players[p].connection = 1;
        after.players[p].name = kPadName;
        after.players[p].buttons = buttons[p];
    }
    static const uint8_t kNoKeys[kKeyStateSize] = {};
    const std::string line =
        FormatSessionLine(OnlineMatch::kFrameSeconds, kNoKeys, kNoKeys, &pads, &after);
    fprintf(file, "%s\n", line.c_str());
    pads = after;
}

bool ReadOnlineRecording(const char* path, NetOptions* o) {
    FILE* file = path ? PlatformOpenFile(path, "rb") : nullptr;
    if (!file) return false;
    char line[256];
    bool found = false;
    for (int n = 0; n < kHeaderLines && !found && fgets(line, sizeof line, file); ++n) {
        if (strncmp(line, kDirective, strlen(kDirective)) != 0) continue;
        unsigned seed = 0;
        int rounds = 0, unlimited = 0, background = 0;
        double time = 0.0;
        found = sscanf(line + strlen(kDirective), "seed=%u rounds=%d time=%lf unlimited=%d background=%d",
                       &seed, &rounds, &time, &unlimited, &background) == 5 &&
                rounds >= 1 && rounds <= 3 && time > 0.0 && time <= 3600.0 &&
                (unlimited == 0 || unlimited == 1) && (background == 0 || background == 1);
        if (found) *o = {rounds, static_cast<float>(time), static_cast<uint8_t>(unlimited),
                         static_cast<uint8_t>(background), seed};
    }
    fclose(file);
    return found;
}

void WriteDesyncSnapshot(uint32_t frame, int side, const std::vector<unsigned char>& snapshot) {
    if (snapshot.empty()) return;
    char path[96];
    snprintf(path, sizeof path, "logs/desincronia_%u_jugador%d.snap", frame, side + 1);
    FILE* file = PlatformOpenFile(path, "wb");
    if (!file) return;
    fwrite(snapshot.data(), 1, snapshot.size(), file);
    fclose(file);
    LogPrintf("     Red: estado del fotograma %u en %s\n", frame, path);
}
