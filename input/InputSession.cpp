#include "input/InputSession.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/Log.h"
#include "platform/Events.h"
#include "base/Files.h"
#include "input/KeyboardSourceSessionFormat.h"

namespace {

// A frame line longer than this cannot come from a recording.
constexpr size_t kLongestLine = 16384;

struct Session {
    bool started = false;
    InputSessionMode mode = kSessionLive;
    FILE* file = nullptr;
    std::string path;
    int lineNumber = 0;
    bool ended = false;            // replay: end of file reached
    uint8_t keys[kKeyStateSize] = {};     // replay: keys now; record: keys last written
    PadFrame pads;                 // replay: pads now; record: pads last written
    PadFrame nextPads;             // record: pads read in this frame
    bool framePending = false;     // record: a frame time waits for its keys
    double pendingTime = 0.0;
    int repeatsLeft = 0;           // replay: runs still owed to the last line
    double repeatTime = 0.0;
};

Session session;

void WriteLine(const std::string& line) {
    if (!session.file) return;
    fputs(line.c_str(), session.file);
    fputc('\n', session.file);
    // Flushed each line, so a crash keeps every frame up to the last.
    if (fflush(session.file) == 0 && !ferror(session.file)) return;
    // A full disk or a lost device: the game goes on, unrecorded.
    const int error = errno;
    LogPrintf("     Teclado: No se puede escribir la sesion %s: %s, se deja de grabar\n",
              session.path.c_str(), PlatformErrorText(error));
    fclose(session.file);
    session.file = nullptr;
    session.mode = kSessionLive;
    session.framePending = false;
}

void WritePendingFrame(const uint8_t state[kKeyStateSize]) {
    WriteLine(FormatSessionLine(session.pendingTime, session.keys, state, &session.pads,
                                &session.nextPads));
    memcpy(session.keys, state, kKeyStateSize);
    session.pads = session.nextPads;
    session.framePending = false;
}

// Next line of the replay; false at the end of the file or on a line too long.
bool ReadLine(std::string* line, bool* tooLong) {
    line->clear();
    *tooLong = false;
    int c;
    bool any = false;
    while ((c = fgetc(session.file)) != EOF) {
        any = true;
        if (c == '\n') return true;
        if (line->size() >= kLongestLine) {
            *tooLong = true;
            return true;
        }
        line->push_back(static_cast<char>(c));
    }
    return any;
}

void StopReplay() {
    session.ended = true;
    PlatformPostClose();
}

void StartFromEnvironment() {
    if (session.started) return;
    InputSessionBegin(getenv("CORRALON_RECORD"), getenv("CORRALON_REPLAY"));
}

}  // namespace

bool InputSessionBegin(const char* recordPath, const char* replayPath) {
    InputSessionEnd();
    session.started = true;
    bool replay = replayPath && *replayPath;
    const char* path = replay ? replayPath : recordPath;
    if (!path || !*path) return true;
    FILE* file = PlatformOpenFile(path, replay ? "rb" : "wb");
    if (!file) {
        LogPrintf("     Teclado: No se puede abrir la sesion %s: %s\n", path,
                  PlatformErrorText(errno));
        return false;
    }
    session.file = file;
    session.path = path;
    session.mode = replay ? kSessionReplay : kSessionRecord;
    if (!replay) WriteLine("# Corralon input session: frame time, then keys down (+) and up (-)");
    return true;
}

void InputSessionEnd() {
    if (session.mode == kSessionRecord && session.framePending) WritePendingFrame(session.keys);
    if (session.file) fclose(session.file);
    session = Session();
    // The environment is not read again: reopening a recording would empty it.
    session.started = true;
}

InputSessionMode InputSessionGetMode() {
    StartFromEnvironment();
    return session.mode;
}

double InputSessionFrameTime(double measuredDelta) {
    StartFromEnvironment();
    if (session.mode == kSessionRecord) {
        // A frame that never read the keyboard still takes its line.
        if (session.framePending) WritePendingFrame(session.keys);
        // Run on the time as written, so a replay repeats it exactly.
        double written = strtod(FormatSessionTime(measuredDelta).c_str(), nullptr);
        session.pendingTime = written;
        session.framePending = true;
        return written;
    }
    if (session.mode != kSessionReplay) return measuredDelta;
    if (session.ended) return 0.0;
    if (session.repeatsLeft > 0) {
        --session.repeatsLeft;
        return session.repeatTime;
    }

    std::string line;
    bool tooLong = false;
    while (ReadLine(&line, &tooLong)) {
        ++session.lineNumber;
        // Editors may start a UTF-8 file with a byte-order mark.
        if (session.lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        double seconds = 0.0;
        int times = 1;
        std::string error = "line too long";
        // The line would end there for the reader, and the rest be lost unseen.
        const bool nul = line.find('\0') != std::string::npos;
        if (nul) error = "NUL byte at column " + std::to_string(line.find('\0') + 1);
        SessionLineKind kind = tooLong || nul
                                   ? kSessionBad
                                   : ParseSessionLine(line.c_str(), &seconds, session.keys,
                                                      &error, &session.pads, &times);
        if (kind == kSessionFrame) {
            session.repeatsLeft = times - 1;
            session.repeatTime = seconds;
            return seconds;
        }
        if (kind == kSessionBad) {
            LogPrintf("     Teclado: Sesion %s, linea %d incorrecta: %s\n",
                      session.path.c_str(), session.lineNumber, error.c_str());
            StopReplay();
            return 0.0;
        }
    }
    // The recording ended here: the frame that finds the end runs without time.
    StopReplay();
    return 0.0;
}

void InputSessionReplayKeys(uint8_t state[256]) {
    StartFromEnvironment();
    memcpy(state, session.keys, kKeyStateSize);
}

void InputSessionRecordKeys(const uint8_t state[256]) {
    StartFromEnvironment();
    if (session.mode != kSessionRecord || !session.framePending) return;
    WritePendingFrame(state);
}

void InputSessionReplayPads(PadFrame* pads) {
    StartFromEnvironment();
    *pads = session.pads;
}

void InputSessionRecordPads(const PadFrame& pads) {
    StartFromEnvironment();
    if (session.mode != kSessionRecord || !session.framePending) return;
    session.nextPads = pads;
}
