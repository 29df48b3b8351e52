#include "fight/FightSnapshot.h"

#include <cstring>

#include "base/Log.h"
#include "base/Random.h"
#include "base/StateBuffer.h"
#include "creature/ActionLibrary.h"
#include "creature/BichoState.h"
#include "effects/Particulas.h"
#include "fight/Fight.h"
#include "fight/Fondo.h"
#include "fight/GestionJuego.h"
#include "input/Teclado.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "sdk/InterfazAcciones.h"

namespace {

constexpr char kMagic[4] = {'C', 'R', 'L', 'F'};
constexpr uint32_t kVersion = 1;
// A behaviour library's shared state is small; a larger answer is refused.
constexpr int kMaxSharedState = 4096;

// Every member four bytes: no padding reaches the buffer.
struct SavedFight {
    int32_t phase;
    float phaseTimer, fightClock;
    int32_t roundOver, paused, firstMover;
    float roundClock;
    int32_t clockRunning;
    float roundAge;
    float camX, camY, stageTint[3], tileWidth;
    float slowMotionTime, freezeTime;
    int32_t score;
    uint32_t random;
    int32_t showBoxes;  // F2 toggles it in a frame
};

uint64_t Identity(const FightController& fight, const SnapshotPlan& plan) {
    uint64_t hash = FeedDigest(kDigestStart, &plan.creatureCount, sizeof plan.creatureCount);
    for (int i = 0; i < plan.creatureCount; ++i) hash = BichoIdentity(*plan.creatures[i], hash);
    if (const GeometriaFondo* g = fight.stage->geometry) {
        const float shape[5] = {g->ancho, g->alto, g->suelo, static_cast<float>(g->columns),
                                static_cast<float>(g->rows)};
        hash = FeedDigest(hash, shape, sizeof shape);
    }
    return hash;
}

void SaveFightFields(const FightController& fight, StateWriter& out) {
    const FightState& s = fight.state;
    const Fondo& stage = *fight.stage;
    const GameSettings& settings = *fight.context.settings;
    SavedFight f = {s.phase,
                    s.phaseTimer,
                    s.fightClock,
                    s.roundOver ? 1 : 0,
                    s.paused ? 1 : 0,
                    s.firstMover,
                    fight.display.roundClock,
                    fight.display.clockRunning ? 1 : 0,
                    fight.display.roundAge,
                    stage.camX,
                    stage.camY,
                    {stage.tintR, stage.tintG, stage.tintB},
                    stage.geometry ? stage.geometry->tileWidth : 0.0f,
                    settings.slowMotionTime,
                    settings.freezeTime,
                    fight.context.run ? fight.context.run->Score() : 0,
                    GameRandom().State(),
                    fight.showBoxes ? 1 : 0};
    out.Put(f);
}

void RestoreFightFields(FightController& fight, const SavedFight& f) {
    FightState& s = fight.state;
    Fondo& stage = *fight.stage;
    GameSettings& settings = *fight.context.settings;
    s.phase = f.phase;
    s.phaseTimer = f.phaseTimer;
    s.fightClock = f.fightClock;
    s.roundOver = f.roundOver != 0;
    s.paused = f.paused != 0;
    s.firstMover = f.firstMover;
    fight.display.roundClock = f.roundClock;
    fight.display.clockRunning = f.clockRunning != 0;
    fight.display.roundAge = f.roundAge;
    stage.camX = f.camX;
    stage.camY = f.camY;
    stage.tintR = f.stageTint[0];
    stage.tintG = f.stageTint[1];
    stage.tintB = f.stageTint[2];
    if (stage.geometry) stage.geometry->tileWidth = f.tileWidth;
    settings.slowMotionTime = f.slowMotionTime;
    settings.freezeTime = f.freezeTime;
    if (fight.context.run) fight.context.run->SetScore(f.score);
    GameRandom().SetState(f.random);
    fight.showBoxes = f.showBoxes != 0;
}

bool ReadHeader(const unsigned char* snapshot, size_t size, SnapshotHeader* header) {
    if (!snapshot || size < sizeof *header) return false;
    memcpy(header, snapshot, sizeof *header);
    return memcmp(header->magic, kMagic, sizeof kMagic) == 0 && header->size == size;
}

}  // namespace

bool PlanSnapshots(const FightController& fight, SnapshotPlan* plan, const char* feature) {
    *plan = SnapshotPlan();
    if (!FightLoaded(fight) || !fight.fighters[0] || !fight.fighters[1]) return false;
    const Fondo& stage = *fight.stage;
    Bicho* creatures[SnapshotPlan::kMaxCreatures];
    int count = 0;
    creatures[count++] = fight.fighters[0];
    creatures[count++] = fight.fighters[1];
    for (int i = 0; i < stage.actorCount && count < SnapshotPlan::kMaxCreatures; ++i)
        creatures[count++] = stage.actors[i];
    for (int i = 0; i < count; ++i) {
        Bicho* creature = creatures[i];
        const ActionStateOperations* ops = creature->action ? ActionLibraryState(creature->action)
                                                            : nullptr;
        if (creature->action && !ops) {
            const char* file = creature->filePath ? creature->filePath : "?";
            LogPrintf("     %s: el comportamiento de %s no guarda su estado (falta ActionState); "
                      "no se puede guardar la lucha\n", feature, file);
            *plan = SnapshotPlan();
            return false;
        }
        plan->creatures[i] = creature;
        plan->behaviours[i] = ops;
        bool seen = !ops || ops->sharedSize() == 0;
        for (int l = 0; l < plan->libraryCount && !seen; ++l) seen = plan->libraries[l] == ops;
        if (!seen) plan->libraries[plan->libraryCount++] = ops;
    }
    plan->creatureCount = count;
    plan->identity = Identity(fight, *plan);
    plan->ready = true;
    return true;
}

size_t SaveFight(const FightController& fight, const SnapshotPlan& plan, StateWriter& out) {
    if (!plan.ready || !FightLoaded(fight)) return 0;
    unsigned char* header = out.Reserve(sizeof(SnapshotHeader));
    const size_t start = out.Used();
    out.Section("lucha");
    SaveFightFields(fight, out);
    out.Section("bibliotecas de comportamiento");
    for (int l = 0; l < plan.libraryCount; ++l) {
        const ActionStateOperations* ops = plan.libraries[l];
        const int32_t size = ops->sharedSize();
        out.Put(size);
        unsigned char* room = size > 0 && size <= kMaxSharedState ? out.Reserve(size) : nullptr;
        if (room && ops->saveShared(room, size) != 0) memset(room, 0, size);
    }
    static const char* const kCreatureSections[SnapshotPlan::kMaxCreatures] = {
        "luchador 1", "luchador 2", "actor 1", "actor 2", "actor 3",  "actor 4",
        "actor 5",    "actor 6",    "actor 7", "actor 8", "actor 9", "actor 10"};
    for (int i = 0; i < plan.creatureCount; ++i) {
        out.Section(kCreatureSections[i]);
        SaveBichoState(*plan.creatures[i], plan.behaviours[i], out);
    }
    out.Section("particulas");
    fight.context.particles->SaveState(out, plan.creatures, plan.creatureCount);
    out.Section("teclado");
    if (fight.context.keyboard) fight.context.keyboard->SaveState(out);
    if (out.Overflowed() || !header) return 0;

    SnapshotHeader h;
    memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = kVersion;
    h.size = static_cast<uint32_t>(out.Used() - start + sizeof h);
    h.creatures = static_cast<uint32_t>(plan.creatureCount);
    h.identity = plan.identity;
    h.checksum = StateChecksum(header + sizeof h, out.Used() - start);
    memcpy(header, &h, sizeof h);
    return h.size;
}

size_t SaveFight(const FightController& fight, const SnapshotPlan& plan, unsigned char* buffer,
                 size_t capacity) {
    StateWriter out(buffer, capacity);
    return SaveFight(fight, plan, out);
}

SnapshotResult RestoreFight(FightController& fight, const SnapshotPlan& plan,
                            const unsigned char* snapshot, size_t size) {
    SnapshotHeader h;
    if (!ReadHeader(snapshot, size, &h) || h.version != kVersion) return SnapshotResult::kDamaged;
    if (!plan.ready || !FightLoaded(fight) || h.identity != plan.identity ||
        h.creatures != static_cast<uint32_t>(plan.creatureCount))
        return SnapshotResult::kOtherFight;
    const unsigned char* state = snapshot + sizeof h;
    const size_t stateSize = size - sizeof h;
    if (StateChecksum(state, stateSize) != h.checksum) return SnapshotResult::kDamaged;

    // The checksum proves these are the bytes SaveFight wrote for this
    // fight, so the parts below fit; each still checks its bounds.
    StateReader in(state, stateSize);
    SavedFight fields;
    in.Get(fields);
    for (int l = 0; l < plan.libraryCount; ++l) {
        int32_t shared = 0;
        in.Get(shared);
        StateReader bytes = in.Slice(shared > 0 && shared <= kMaxSharedState ? shared : 0);
        if (shared > 0) plan.libraries[l]->restoreShared(bytes.Here(), shared);
    }
    if (!in.Ok()) return SnapshotResult::kDamaged;
    RestoreFightFields(fight, fields);
    for (int i = 0; i < plan.creatureCount; ++i)
        RestoreBichoState(*plan.creatures[i], plan.behaviours[i], in);
    fight.context.particles->RestoreState(in, plan.creatures, plan.creatureCount);
    if (fight.context.keyboard) fight.context.keyboard->RestoreState(in);
    return in.Ok() ? SnapshotResult::kOk : SnapshotResult::kDamaged;
}

uint64_t SnapshotChecksum(const unsigned char* snapshot, size_t size) {
    SnapshotHeader h;
    return ReadHeader(snapshot, size, &h) ? h.checksum : 0;
}

const char* FirstDifference(const unsigned char* first, size_t firstSize,
                            const unsigned char* second, size_t secondSize,
                            const StateWriter& writer) {
    const size_t header = sizeof(SnapshotHeader);
    if (firstSize < header || secondSize < header) return "cabecera";
    const size_t common = firstSize < secondSize ? firstSize : secondSize;
    for (size_t i = header; i < common; ++i)
        if (first[i] != second[i]) return writer.SectionAt(i);
    if (firstSize != secondSize) return writer.SectionAt(common);
    return nullptr;
}
