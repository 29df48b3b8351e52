#pragma once
// A tune as written in data/music/*.txt (format in data/music/README.md):
// global timing, instruments, and one timeline of notes per instrument.
#include <string>
#include <vector>

enum class InstrumentKind { kPluck, kBell, kLead, kBrass, kWhistle, kBass, kPad, kDrums };

// Hits of the drum kit; in a drum pattern they take the place of pitches.
enum DrumHit { kKick = 0, kSnare, kHat, kOpenHat, kClap, kTom, kHighTom, kDrumHitCount };

struct Instrument {
    std::string name;
    InstrumentKind kind = InstrumentKind::kPluck;
    double volume = 0.5;   // 0..2
    double pan = 0.0;      // -1 left .. 1 right
    double echo = 0.0;     // send to the echo, 0..1
    double reverb = 0.15;  // send to the reverb, 0..1
};

// One sounding note: a MIDI pitch (60 = c4) or, for drums, a DrumHit.
struct Note {
    double step = 0.0;    // start, in steps from the start of the tune
    double length = 1.0;  // in steps
    int pitch = 60;
    double velocity = 0.75;
};

struct Track {
    int instrument = 0;  // index into Score::instruments
    std::vector<Note> notes;
    int steps = 0;       // length of the timeline written so far
};

struct Score {
    double tempo = 120.0;    // beats per minute
    int stepsPerBeat = 4;
    double swing = 0.0;      // delay of every second step, in steps
    double echoBeats = 0.75; // echo delay
    double echoFeedback = 0.3;
    std::vector<Instrument> instruments;
    std::vector<Track> tracks;  // one per instrument that plays, in first-use order
    int lengthSteps = 0;        // the loop: every track lasts this long

    double SecondsPerStep() const { return 60.0 / tempo / stepsPerBeat; }
    double Seconds() const { return lengthSteps * SecondsPerStep(); }
};

// Reads a score. On failure returns false and sets *error to
// "line N: what is wrong" (or a whole-file message without a line).
bool ParseScore(const std::string& text, Score* score, std::string* error);

// Reads the file through the game's file layer (at most 1 MB) and parses it;
// errors start with the path.
bool LoadScore(const std::string& path, Score* score, std::string* error);

// Loops must last between these, so each screen's music neither repeats
// too soon nor takes too much room.
constexpr double kMinTuneSeconds = 30.0;
constexpr double kMaxTuneSeconds = 60.0;
