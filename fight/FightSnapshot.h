#pragma once
// The whole state of a fight saved into a buffer the caller owns and taken
// back from it: both fighters, the stage's actors and their behaviours, the
// particles, the controller's round and ladder, the display's clock, the
// camera, the time effects, the random generators and the players' latches
// and press histories. Textures, sounds and loaded files are referred to,
// never copied. A snapshot starts with a header (format, size, the identity
// of the loaded creatures and stage, a checksum of the rest); one that does
// not match the loaded fight, or is damaged, is refused with nothing changed.
#include <cstddef>
#include <cstdint>

struct ActionStateOperations;
class Bicho;
class StateWriter;
struct FightController;

// What the snapshots of one loaded fight need, found once after LoadFight:
// every creature with its behaviour's operations and each behaviour library
// once (for its shared random generator).
struct SnapshotPlan {
    static constexpr int kMaxCreatures = 12;  // two fighters and the actors
    bool ready = false;
    int creatureCount = 0;
    Bicho* creatures[kMaxCreatures] = {};
    const ActionStateOperations* behaviours[kMaxCreatures] = {};
    int libraryCount = 0;
    const ActionStateOperations* libraries[kMaxCreatures] = {};
    uint64_t identity = 0;
};

struct SnapshotHeader {
    char magic[4];      // "CRLF"
    uint32_t version;
    uint32_t size;      // header included
    uint32_t creatures;
    uint64_t identity;
    uint64_t checksum;  // of the bytes after the header
};

enum class SnapshotResult { kOk, kDamaged, kOtherFight };

// False, with one log line naming the creature and `feature`, when a
// creature's behaviour library cannot save its state (or no fight is loaded).
bool PlanSnapshots(const FightController& fight, SnapshotPlan* plan, const char* feature);

// Writes header and state; the bytes written, 0 when they do not fit.
size_t SaveFight(const FightController& fight, const SnapshotPlan& plan, StateWriter& out);
size_t SaveFight(const FightController& fight, const SnapshotPlan& plan, unsigned char* buffer,
                 size_t capacity);
SnapshotResult RestoreFight(FightController& fight, const SnapshotPlan& plan,
                            const unsigned char* snapshot, size_t size);

// The checksum the header holds: the state's, cheap enough for every frame.
uint64_t SnapshotChecksum(const unsigned char* snapshot, size_t size);
// Where two snapshots of the same fight first differ: the name of the part
// of `second` that `writer` (which wrote it) marked there, or null when they
// are the same.
const char* FirstDifference(const unsigned char* first, size_t firstSize,
                            const unsigned char* second, size_t secondSize,
                            const StateWriter& writer);
