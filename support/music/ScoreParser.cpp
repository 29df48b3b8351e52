// The score reader. Every mistake is reported with its line, so a modder
// can find it without a debugger.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include "support/music/Score.h"

namespace {

// Guards against scores that would take the generator's memory or time.
constexpr int kMaxTrackSteps = 65536;
constexpr size_t kMaxNotes = 200000;
constexpr int kMaxRepeat = 256;

struct Pattern {
    int line = 0;
    bool drums = false;
    bool tuned = false;
    double steps = 0.0;
    std::vector<Note> notes;  // steps from the pattern's start
};

struct Kind {
    const char* name;
    InstrumentKind kind;
};
const Kind kKinds[] = {{"pluck", InstrumentKind::kPluck},   {"bell", InstrumentKind::kBell},
                       {"lead", InstrumentKind::kLead},     {"brass", InstrumentKind::kBrass},
                       {"whistle", InstrumentKind::kWhistle}, {"bass", InstrumentKind::kBass},
                       {"pad", InstrumentKind::kPad},       {"drums", InstrumentKind::kDrums}};

struct Drum {
    const char* shortName;
    const char* longName;
    DrumHit hit;
};
const Drum kDrums[] = {{"k", "kick", kKick},   {"s", "snare", kSnare}, {"h", "hat", kHat},
                       {"o", "open", kOpenHat}, {"x", "clap", kClap},  {"t", "tom", kTom},
                       {"u", "hitom", kHighTom}};

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// A whole token as a number in [low, high]; rejects trailing junk.
bool ReadNumber(const std::string& text, double low, double high, double* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v) || v < low || v > high) return false;
    *value = v;
    return true;
}

bool ReadInteger(const std::string& text, int low, int high, int* value) {
    double v = 0.0;
    if (!ReadNumber(text, low, high, &v) || v != std::floor(v)) return false;
    *value = static_cast<int>(v);
    return true;
}

bool IsName(const std::string& s) {
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
    for (char c : s)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return true;
}

// "c4", "f#3", "Bb5": MIDI pitch, c4 = 60.
bool ReadPitch(const std::string& text, int* pitch) {
    static const int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    std::string s = Lower(text);
    if (s.size() < 2 || s[0] < 'a' || s[0] > 'g') return false;
    int value = kSemitone[s[0] - 'a'];
    size_t at = 1;
    if (s[at] == '#') {
        ++value;
        ++at;
    } else if (s[at] == 'b' && at + 1 < s.size()) {
        --value;
        ++at;
    }
    int octave = 0;
    if (!ReadInteger(s.substr(at), 0, 8, &octave)) return false;
    *pitch = 12 * (octave + 1) + value;
    return true;
}

bool ReadDrum(const std::string& text, int* hit) {
    std::string s = Lower(text);
    for (const Drum& d : kDrums)
        if (s == d.shortName || s == d.longName) {
            *hit = d.hit;
            return true;
        }
    return false;
}

// A comment starts with a '#' that begins a word; the '#' of a sharp
// ("f#4") is part of its note.
size_t CommentStart(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]))))
            return i;
    return line.size();
}

class Parser {
public:
    Parser(Score* score, std::string* error) : score_(score), error_(error) {}

    bool Run(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        while (std::getline(in, raw)) {
            ++line_;
            std::istringstream words(raw.substr(0, CommentStart(raw)));
            std::vector<std::string> tokens;
            for (std::string w; words >> w;) tokens.push_back(w);
            if (tokens.empty()) continue;
            if (!Line(tokens)) return false;
        }
        if (open_) {
            return Fail(openLine_, "pattern " + openName_ + " is never closed with \"end\"");
        }
        return Finish();
    }

private:
    bool Fail(int line, const std::string& message) {
        *error_ = "line " + std::to_string(line) + ": " + message;
        return false;
    }
    bool Fail(const std::string& message) { return Fail(line_, message); }

    bool Line(const std::vector<std::string>& t) {
        const std::string word = Lower(t[0]);
        if (open_) {
            if (word == "end") return CloseBlock(t);
            for (const std::string& token : t)
                if (!PatternToken(token)) return false;
            return true;
        }
        if (word == "tempo") return Setting(t, 40, 300, &score_->tempo);
        if (word == "swing") return Setting(t, 0, 0.6, &score_->swing);
        if (word == "steps") {
            if (t.size() != 2 || !ReadInteger(t[1], 1, 16, &score_->stepsPerBeat))
                return Fail("\"steps\" takes one whole number from 1 to 16");
            return true;
        }
        if (word == "echo") {
            if (t.size() != 3 || !ReadNumber(t[1], 0.05, 4, &score_->echoBeats) ||
                !ReadNumber(t[2], 0, 0.9, &score_->echoFeedback))
                return Fail("\"echo\" takes a delay in beats (0.05 to 4) and a feedback (0 to 0.9)");
            return true;
        }
        if (word == "instrument") return InstrumentLine(t);
        if (word == "pattern") return OpenBlock(t);
        if (word == "track") return TrackLine(t);
        if (word == "end") return Fail("\"end\" without a pattern");
        return Fail("unknown word \"" + t[0] + "\" (expected tempo, steps, swing, echo, "
                    "instrument, pattern or track)");
    }

    bool Setting(const std::vector<std::string>& t, double low, double high, double* value) {
        if (t.size() != 2 || !ReadNumber(t[1], low, high, value)) {
            std::ostringstream m;
            m << "\"" << t[0] << "\" takes one number from " << low << " to " << high;
            return Fail(m.str());
        }
        return true;
    }

    bool InstrumentLine(const std::vector<std::string>& t) {
        if (t.size() < 3) return Fail("\"instrument\" needs a name and a kind");
        if (!IsName(t[1])) return Fail("\"" + t[1] + "\" is not a valid instrument name");
        for (const Instrument& i : score_->instruments)
            if (i.name == t[1]) return Fail("instrument " + t[1] + " is defined twice");
        Instrument instrument;
        instrument.name = t[1];
        bool known = false;
        for (const Kind& k : kKinds)
            if (Lower(t[2]) == k.name) {
                instrument.kind = k.kind;
                known = true;
            }
        if (!known)
            return Fail("unknown instrument kind \"" + t[2] +
                        "\" (pluck, bell, lead, brass, whistle, bass, pad or drums)");
        for (size_t i = 3; i < t.size(); ++i) {
            size_t eq = t[i].find('=');
            std::string key = Lower(t[i].substr(0, eq));
            std::string value = eq == std::string::npos ? "" : t[i].substr(eq + 1);
            bool ok = false;
            if (key == "volume") ok = ReadNumber(value, 0, 2, &instrument.volume);
            else if (key == "pan") ok = ReadNumber(value, -1, 1, &instrument.pan);
            else if (key == "echo") ok = ReadNumber(value, 0, 1, &instrument.echo);
            else if (key == "reverb") ok = ReadNumber(value, 0, 1, &instrument.reverb);
            else return Fail("unknown setting \"" + t[i] + "\" (volume, pan, echo or reverb)");
            if (!ok)
                return Fail("bad value in \"" + t[i] +
                            "\" (volume 0 to 2, pan -1 to 1, echo and reverb 0 to 1)");
        }
        score_->instruments.push_back(instrument);
        return true;
    }

    bool OpenBlock(const std::vector<std::string>& t) {
        if (t.size() != 2 || !IsName(t[1])) return Fail("\"pattern\" takes one name");
        if (patterns_.count(t[1])) return Fail("pattern " + t[1] + " is defined twice");
        open_ = true;
        openName_ = t[1];
        openLine_ = line_;
        current_ = Pattern();
        current_.line = line_;
        return true;
    }

    bool CloseBlock(const std::vector<std::string>& t) {
        if (t.size() != 1) return Fail("\"end\" stands alone on its line");
        if (current_.steps <= 0) return Fail("pattern " + openName_ + " is empty");
        patterns_[openName_] = current_;
        open_ = false;
        return true;
    }

    // "c4", "c4+e4+g4:4", "-:8", "k!", "snare:2?", "h?:1"
    bool PatternToken(const std::string& token) {
        std::string body = token;
        double velocity = 0.75;
        if (!body.empty() && (body.back() == '!' || body.back() == '?')) {
            velocity = body.back() == '!' ? 1.0 : 0.45;
            body.pop_back();
        }
        double length = 1.0;
        size_t colon = body.find(':');
        if (colon != std::string::npos) {
            if (!ReadNumber(body.substr(colon + 1), 0.125, 1024, &length))
                return Fail("bad length in \"" + token + "\" (steps, from 0.125 to 1024)");
            body = body.substr(0, colon);
        }
        // The mark may also stand before the length: "k!:2".
        if (!body.empty() && (body.back() == '!' || body.back() == '?')) {
            velocity = body.back() == '!' ? 1.0 : 0.45;
            body.pop_back();
        }
        if (body == "-") {
            current_.steps += length;
            return true;
        }
        std::vector<int> pitches;
        size_t start = 0;
        while (start <= body.size()) {
            size_t plus = body.find('+', start);
            std::string part = body.substr(start, plus == std::string::npos ? std::string::npos
                                                                               : plus - start);
            int value = 0;
            if (ReadPitch(part, &value)) {
                current_.tuned = true;
            } else if (ReadDrum(part, &value)) {
                current_.drums = true;
            } else {
                return Fail("\"" + token + "\" is not a note (like c4, f#3, bb2, c4+e4+g4:4), "
                            "a drum (k s h o x t u) or a rest (-)");
            }
            pitches.push_back(value);
            if (plus == std::string::npos) break;
            start = plus + 1;
        }
        if (current_.drums && current_.tuned)
            return Fail("pattern " + openName_ + " mixes notes and drums (\"" + token + "\")");
        for (int p : pitches) {
            Note note;
            note.step = current_.steps;
            note.length = length;
            note.pitch = p;
            note.velocity = velocity;
            current_.notes.push_back(note);
        }
        current_.steps += length;
        return true;
    }

    // "track lead verse verse+5*2 -:16"
    bool TrackLine(const std::vector<std::string>& t) {
        if (t.size() < 3) return Fail("\"track\" needs an instrument and what it plays");
        int instrument = -1;
        for (size_t i = 0; i < score_->instruments.size(); ++i)
            if (score_->instruments[i].name == t[1]) instrument = static_cast<int>(i);
        if (instrument < 0) return Fail("instrument " + t[1] + " is not defined above");
        const bool drumKit = score_->instruments[instrument].kind == InstrumentKind::kDrums;
        Track* track = nullptr;
        for (Track& existing : score_->tracks)
            if (existing.instrument == instrument) track = &existing;
        if (!track) {
            score_->tracks.push_back(Track());
            track = &score_->tracks.back();
            track->instrument = instrument;
        }
        double position = track->steps;
        for (size_t i = 2; i < t.size(); ++i) {
            std::string item = t[i];
            int repeat = 1;
            size_t star = item.find('*');
            if (star != std::string::npos) {
                if (!ReadInteger(item.substr(star + 1), 1, kMaxRepeat, &repeat))
                    return Fail("bad repeat in \"" + t[i] + "\" (1 to 256)");
                item = item.substr(0, star);
            }
            if (item == "-" || item.rfind("-:", 0) == 0) {
                double rest = 1.0;
                if (item.size() > 2 && !ReadNumber(item.substr(2), 0.125, 1024, &rest))
                    return Fail("bad rest \"" + t[i] + "\"");
                position += rest * repeat;
                continue;
            }
            int transpose = 0;
            size_t sign = item.find_first_of("+-");
            if (sign != std::string::npos) {
                if (!ReadInteger(item.substr(sign + 1), 0, 48, &transpose))
                    return Fail("bad transposition in \"" + t[i] + "\" (semitones, 0 to 48)");
                if (item[sign] == '-') transpose = -transpose;
                item = item.substr(0, sign);
            }
            auto found = patterns_.find(item);
            if (found == patterns_.end())
                return Fail("pattern \"" + item + "\" is not defined above");
            const Pattern& p = found->second;
            if (p.drums != drumKit)
                return Fail("pattern " + item + (p.drums ? " holds drums" : " holds notes") +
                            " but instrument " + t[1] + (drumKit ? " is a drum kit" : " plays notes"));
            if (p.drums && transpose != 0) return Fail("drum pattern " + item + " cannot be transposed");
            for (int r = 0; r < repeat; ++r) {
                for (Note note : p.notes) {
                    note.step += position;
                    note.pitch += transpose;
                    if (!p.drums && (note.pitch < 12 || note.pitch > 108))
                        return Fail("\"" + t[i] + "\" goes outside c0 to c8");
                    track->notes.push_back(note);
                }
                position += p.steps;
                if (position > kMaxTrackSteps || track->notes.size() > kMaxNotes)
                    return Fail("the tune is far too long");
            }
        }
        if (position != std::floor(position))
            return Fail("track " + t[1] + " ends in the middle of a step");
        track->steps = static_cast<int>(position);
        trackLines_[instrument] = line_;
        return true;
    }

    bool Finish() {
        if (score_->tracks.empty()) return Fail(line_, "the score plays nothing (no \"track\" line)");
        int longest = 0;
        for (const Track& t : score_->tracks) longest = std::max(longest, t.steps);
        for (const Track& t : score_->tracks) {
            if (t.steps != longest) {
                const std::string& name = score_->instruments[t.instrument].name;
                return Fail(trackLines_[t.instrument],
                            "track " + name + " lasts " + std::to_string(t.steps) +
                                " steps but the longest track lasts " + std::to_string(longest) +
                                ": every track must last the whole loop");
            }
        }
        score_->lengthSteps = longest;
        return true;
    }

    Score* score_;
    std::string* error_;
    int line_ = 0;
    bool open_ = false;
    std::string openName_;
    int openLine_ = 0;
    Pattern current_;
    std::map<std::string, Pattern> patterns_;
    std::map<int, int> trackLines_;
};

}  // namespace

bool ParseScore(const std::string& text, Score* score, std::string* error) {
    *score = Score();
    return Parser(score, error).Run(text);
}
